// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPasswordDlg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mz58 {

CPasswordDlg::CPasswordDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("密码"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("password"));
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setAccessibleName(windowTitle()); // the dialog has no label: its caption names it
    auto* ok = new QPushButton(tr("确定"), this);
    auto* cancel = new QPushButton(tr("取消"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
}

QString CPasswordDlg::password() const {
    return m_edit->text();
}

} // namespace mz58
