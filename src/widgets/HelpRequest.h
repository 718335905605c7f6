// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>

class QWidget;

namespace mz58 {

// Help context numbers asked for outside the channel grid.
namespace help {
inline constexpr int kGettingStarted = 0x18048;      // getting-started help text
inline constexpr int kProgrammingProblems = 0x18049; // programming-problems help text
inline constexpr int kAbout = 0x1804A;               // about box: the contents
inline constexpr int kContents = 0x1E143;            // Help > help topics
// A settings dialog without a topic of its own for the focused control.
inline constexpr int dialogContext(int dialogResourceId) {
    return 0x20000 + dialogResourceId;
}
} // namespace help

// A request for the help topic of a context number. It travels from the widget that asks up
// through its parents until one takes it (the main window opens the help window), so that a
// dialog asks for help without knowing who shows it.
class HelpRequestEvent : public QEvent {
public:
    HelpRequestEvent(QWidget* origin, int contextNumber);

    static QEvent::Type eventType();

    [[nodiscard]] QWidget* origin() const { return m_origin; }
    [[nodiscard]] int contextNumber() const { return m_contextNumber; }

private:
    QWidget* m_origin;
    int m_contextNumber;
};

// Sends a help request up from `from`; false when no parent took it.
bool requestHelp(QWidget* from, int contextNumber);

} // namespace mz58
