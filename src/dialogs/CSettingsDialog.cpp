// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSettingsDialog.h"

#include "CFieldCombo.h"
#include "CFieldEdit.h"
#include "ControlId.h"
#include "FocusOrder.h"
#include "HelpRequest.h"
#include "UiText.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace mz58 {

CSettingsDialog::CSettingsDialog(int resourceId, const QString& caption, QWidget* parent)
    : QDialog(parent), m_resourceId(resourceId) {
    setWindowTitle(caption);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 12, 12, 8);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(12);
    body->addLayout(m_grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = new QPushButton(tr("确认"), this);
    m_cancel = new QPushButton(tr("取消"), this);
    for (auto* b : {m_ok, m_cancel}) {
        // No default button: Enter in another control never presses OK.
        b->setAutoDefault(false);
        b->setDefault(false);
        buttons->addWidget(b);
    }
    setControlId(m_ok, kOkId);
    setControlId(m_cancel, kCancelId);
    body->addLayout(buttons);
    outer->addLayout(body);

    m_bar = new QStatusBar(this);
    m_bar->setSizeGripEnabled(false);
    m_panes[0] = new QLabel(m_bar);
    m_panes[1] = new QLabel(m_bar);
    m_panes[0]->setContentsMargins(4, 0, 0, 0);
    m_panes[1]->setObjectName(QStringLiteral("pane%1").arg(kKeyOperationPane));
    m_panes[1]->setMinimumWidth(
        m_panes[1]->fontMetrics().horizontalAdvance(uiText(kKeyOperationPane)));
    m_panes[1]->setFrameShape(QFrame::Panel);
    m_panes[1]->setFrameShadow(QFrame::Sunken);
    m_bar->addWidget(m_panes[0], 1);
    m_bar->addPermanentWidget(m_panes[1]);
    outer->addWidget(m_bar);
    ShowTip(kIdleMessage);

    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (onOk())
            accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &CSettingsDialog::reject);
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget*, QWidget* now) { focusMoved(now); });
}

// Focus moves while the children go; the tip bar must not follow it then.
CSettingsDialog::~CSettingsDialog() {
    disconnect(m_focusConnection);
}

void CSettingsDialog::setOkButtonText(const QString& text) {
    m_ok->setText(text);
}

StringId CSettingsDialog::ShowTip(StringId id) {
    const StringId previous = m_lastTip;
    m_lastTip = id;
    if (id == kIdleMessage)
        id = kIdleTip;
    const QString text = id == 0 ? QString() : uiText(id);
    if (!text.isEmpty()) {
        const auto lf = text.indexOf(QLatin1Char('\n'));
        m_panes[0]->setText(lf < 0 ? text : text.left(lf));
        m_panes[1]->setText(lf < 0 ? QString() : text.mid(lf + 1).section(QLatin1Char('\n'), 0, 0));
    }
    return previous;
}

QString CSettingsDialog::tipText(int pane) const {
    return m_panes[pane == 0 ? 0 : 1]->text();
}

void CSettingsDialog::setHelpContext(QWidget* control, int context) {
    control->setProperty("helpContext", context);
}

int CSettingsDialog::helpContextOf(const QWidget* control) const {
    const int own = control ? control->property("helpContext").toInt() : 0;
    return own != 0 ? own : help::dialogContext(m_resourceId);
}

void CSettingsDialog::registerControl(QWidget* control, int id) {
    setControlId(control, id);
    // A screen reader says the tip that the bar shows for the control.
    control->setAccessibleDescription(uiText(id).simplified());
    // The dialog is as wide as the longest tip of its controls, so no tip is cut.
    const QString tip = uiText(id).section(QLatin1Char('\n'), 0, 0);
    const int width = m_panes[0]->fontMetrics().horizontalAdvance(tip) + 16;
    setMinimumWidth(std::max(minimumWidth(), width + m_panes[1]->minimumWidth() + 24));
}

void CSettingsDialog::addRow(const QString& label, QWidget* control) {
    const int row = m_grid->rowCount();
    if (!label.isEmpty()) {
        auto* l = new QLabel(label, this);
        l->setBuddy(control);
        m_grid->addWidget(l, row, 0);
    }
    m_grid->addWidget(control, row, 1);
}

CFieldEdit* CSettingsDialog::addEdit(int id, const QString& label, int filterMode, int maxLength) {
    auto* edit = new CFieldEdit(this);
    edit->filterMode = filterMode;
    edit->maxLength = maxLength;
    registerControl(edit, id);
    addRow(label, edit);
    return edit;
}

CFieldCombo* CSettingsDialog::addCombo(int id, const QString& label, const QStringList& texts) {
    auto* combo = new CFieldCombo(this);
    registerControl(combo, id);
    fillCombo(combo, texts, -1);
    addRow(label, combo);
    return combo;
}

void CSettingsDialog::focusMoved(QWidget* now) {
    for (QWidget* w = now; w && w != this; w = w->parentWidget()) {
        const int id = w->property("controlId").toInt();
        if (id != 0) {
            ShowTip(id);
            return;
        }
    }
}

void CSettingsDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1:
        requestHelp(this, helpContextOf(focusWidget()));
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses a button only when that button has the focus.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && isAncestorOf(button))
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CSettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    applyLayoutFocus(this);
}

void fillCombo(QComboBox* combo, const QStringList& texts, int index) {
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(texts);
    combo->setCurrentIndex(index >= 0 && index < texts.size() ? index : -1);
}

QStringList toQStringList(std::span<const std::string_view> texts) {
    QStringList list;
    for (auto t : texts)
        list << QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    return list;
}

QStringList toQStringList(std::span<const std::string> texts) {
    QStringList list;
    for (const auto& t : texts)
        list << QString::fromStdString(t);
    return list;
}

} // namespace mz58
