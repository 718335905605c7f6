#pragma once
// Stand-in until src/app/windows exists.
#include <QDialog>
namespace mz58 {
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
} // namespace mz58
