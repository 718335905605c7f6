#pragma once

#include <QString>
#include <QUrl>

namespace mz58 {

// Help context numbers that the windows of this folder ask for.
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

// The page of the help topic for a context number; unknown numbers give the contents page.
QUrl helpTopicUrl(int contextNumber);

// The contents page.
QUrl helpContentsUrl();

} // namespace mz58
