#pragma once
// Stand-in until src/app/windows exists.
#include "RadioImage.h"
#include <QDialog>
namespace mz58 {
class CFileDataDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFileDataDlg(const RadioImage& image, QWidget* parent = nullptr);
};
} // namespace mz58
