// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

namespace mz58 {

// The maintenance password: one hidden edit box, OK and Cancel.
class CPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPasswordDlg(QWidget* parent = nullptr);
    [[nodiscard]] QString password() const;

private:
    QLineEdit* m_edit = nullptr;
};

} // namespace mz58
