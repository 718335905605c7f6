// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QString>

namespace mz58 {

// A single-line edit for typed values: shows its value read-only until the user starts typing,
// takes another background while being edited, accepts only the characters of its filter mode
// and raises `committed` when an edit ends (Enter, double-click, focus lost).
class CFieldEdit : public QLineEdit {
    Q_OBJECT
public:
    enum FilterMode {
        kNone = 0,
        kDecimal = 1,
        kSignedInteger = 2,
        kDtmf = 3,
        kPrintable = 4,
        kSignedDecimal = 5,
        kDigits = 6,
        kDigitsAD = 7,
    };
    enum class State { Idle, Editing, Disabled };

    explicit CFieldEdit(QWidget* parent);

    // Whether `filter` lets the typed character through (Backspace always passes).
    static bool accepts(int filter, QChar c);

    void SetIdle();
    void SetEditing();
    void SetDisabled();
    // true: idle, false: disabled. Dialogs use this rather than setEnabled().
    void Enable(bool enable);
    // true: editing, false: read-only idle.
    void SetEditingState(bool editing);

    State state() const { return m_state; }
    bool idle() const { return m_idle; }

    int maxLength = 0;
    int filterMode = kNone;
    bool committed = false;

signals:
    // Enter or a left double-click went through the edit (after it changed its state); the
    // dialog takes a committed value here.
    void enterPressed();
    // The edit lost the focus (after ending an edit); the dialog takes a committed value here.
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void beginEdit();
    void endEdit();
    void applyColours(QPalette::ColorRole background, QPalette::ColorRole text,
                      QPalette::ColorGroup group);

    static constexpr int kNoLimit = 32767;
    State m_state = State::Idle;
    bool m_idle = true;
    QString m_savedText;
    bool m_savedCommitted = false;
};

} // namespace mz58
