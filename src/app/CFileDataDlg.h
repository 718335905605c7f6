// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

#include <QDialog>

class QTableView;

namespace mz58 {

// The image data view: a read-only hexadecimal dump of the whole image as it was when the
// dialog opened. Closes with OK or Esc.
class CFileDataDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kIdOk = 1;
    static constexpr int kIdGrid = 1174;

    explicit CFileDataDlg(const RadioImage& image, QWidget* parent = nullptr);

private:
    void fitGrid(QTableView* grid);
};

} // namespace mz58
