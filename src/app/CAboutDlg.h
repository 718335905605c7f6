// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace mz58 {

// The about box: the program's version and what it is for. F1 opens the help contents.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kIdOk = 1;
    static constexpr int kIdVersion = 1006;
    static constexpr int kIdProduct = 1007;
    static constexpr int kIdPurpose = 1008;
    static constexpr int kIdHelpHint = 1009;
    static constexpr int kIdLicence = 1010;

    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace mz58
