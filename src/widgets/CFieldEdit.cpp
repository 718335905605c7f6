// SPDX-License-Identifier: GPL-3.0-or-later
#include "CFieldEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace mz58 {

CFieldEdit::CFieldEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    applyColours(QPalette::Base, QPalette::Text, QPalette::Active);
}

bool CFieldEdit::accepts(int filter, QChar c) {
    const char16_t u = c.unicode();
    const bool digit = u >= '0' && u <= '9';
    const bool ad = (u >= 'A' && u <= 'D') || (u >= 'a' && u <= 'd');
    auto in = [u](std::u16string_view set) { return set.find(u) != std::u16string_view::npos; };
    switch (filter) {
    case kDecimal:
        return digit || in(u". ");
    case kSignedInteger:
        return digit || in(u" -+");
    case kDtmf:
        return digit || ad || in(u"#*");
    case kPrintable: {
        const char16_t low = u & 0x7F;
        const std::u16string_view excluded = u"!\"#$%&',.;<>?@^{|}~";
        return low >= 0x20 && low < 0x7F && excluded.find(low) == std::u16string_view::npos;
    }
    case kSignedDecimal:
        return digit || in(u". -+");
    case kDigits:
        return digit || u == ' ';
    case kDigitsAD:
        return digit || ad;
    default:
        return true;
    }
}

void CFieldEdit::applyColours(QPalette::ColorRole background, QPalette::ColorRole text,
                              QPalette::ColorGroup group) {
    // Colours come from the application palette each time a state is entered.
    const QPalette system = QApplication::palette(this);
    QPalette p = palette();
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, system.color(group, background));
        p.setColor(g, QPalette::Text, system.color(group, text));
    }
    setPalette(p);
    update();
}

void CFieldEdit::SetIdle() {
    m_state = State::Idle;
    setEnabled(true);
    setReadOnly(true);
    // The length limit holds while typing only; the shown value may be longer ("12.80MHz").
    setMaxLength(kNoLimit);
    applyColours(QPalette::Base, QPalette::Text, QPalette::Active);
}

void CFieldEdit::SetEditing() {
    m_state = State::Editing;
    setEnabled(true);
    setReadOnly(false);
    applyColours(QPalette::ToolTipBase, QPalette::Text, QPalette::Active);
}

void CFieldEdit::SetDisabled() {
    m_state = State::Disabled;
    setEnabled(false);
    setReadOnly(false);
    applyColours(QPalette::Button, QPalette::Text, QPalette::Disabled);
}

void CFieldEdit::Enable(bool enable) {
    if (enable)
        SetIdle();
    else
        SetDisabled();
}

void CFieldEdit::SetEditingState(bool editing) {
    if (editing)
        SetEditing();
    else
        SetIdle();
}

void CFieldEdit::beginEdit() {
    m_savedText = text();
    m_savedCommitted = committed;
    if (maxLength > 0) {
        setMaxLength(maxLength);
        setText(m_savedText.left(maxLength));
    }
    selectAll();
    m_idle = false;
    committed = false;
    SetEditing();
}

void CFieldEdit::endEdit() {
    selectAll();
    m_idle = true;
    committed = true;
    SetIdle();
}

void CFieldEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape && !m_idle) {
        // The saved text comes back with the committed flag it had before the edit, so a value
        // committed earlier still counts.
        committed = m_savedCommitted;
        m_idle = true;
        SetIdle();
        setText(m_savedText);
        selectAll();
        event->accept();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_idle)
            beginEdit();
        else
            endEdit();
        event->accept();
        emit enterPressed();
        return;
    }
    const QString typed = event->text();
    const bool backspace = key == Qt::Key_Backspace;
    if (backspace || (!typed.isEmpty() && typed.at(0).isPrint())) {
        if (!backspace && filterMode >= kDecimal && filterMode <= kDigitsAD &&
            !accepts(filterMode, typed.at(0))) {
            event->accept();
            return;
        }
        if (m_idle && isEnabled())
            beginEdit();
    }
    QLineEdit::keyPressEvent(event);
}

void CFieldEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    if (m_idle)
        beginEdit();
    else
        endEdit();
    event->accept();
    emit enterPressed();
}

void CFieldEdit::focusOutEvent(QFocusEvent* event) {
    if (!m_idle) {
        m_idle = true;
        committed = true;
        SetIdle();
    }
    deselect();
    end(false);
    QLineEdit::focusOutEvent(event);
    emit focusLost();
}

} // namespace mz58
