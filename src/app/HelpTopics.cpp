// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpTopics.h"

#include <algorithm>
#include <iterator>

namespace mz58 {
namespace {

struct HelpTopic {
    int context;
    const char* page; // under :/help/
};

constexpr const char* kContentsPage = "contents.html";

// Every help context number the program asks for, and its page. Kept sorted by number.
constexpr HelpTopic kTopics[] = {
    // Channel grid columns: 300 + column; the call-code column has one topic per option unit.
    {300, "grid-channel.html"},
    {301, "grid-bandwidth.html"},
    {302, "grid-receive.html"},
    {303, "grid-transmit.html"},
    {304, "grid-tone-type.html"},
    {305, "grid-tone-decode.html"},
    {306, "grid-tone-encode.html"},
    {307, "grid-save-rx.html"},
    {308, "grid-save-tx.html"},
    {309, "grid-power.html"},
    {310, "grid-power-level.html"},
    {311, "grid-scan.html"},
    {312, "grid-group-scan.html"},
    {313, "grid-time-out.html"},
    {314, "grid-squelch.html"},
    {315, "grid-ani.html"},
    {316, "grid-encryption.html"},
    {317, "grid-busy-lockout.html"},
    {318, "grid-page-code.html"},
    {319, "grid-two-tone-code.html"},
    {320, "grid-signalling-code.html"},
    {321, "grid-clock-shift.html"},
    {322, "grid-out-of-range.html"},
    // Help menu entries and the help text windows.
    {help::kGettingStarted, "getting-started.html"},
    {help::kProgrammingProblems, "programming-problems.html"},
    {help::kAbout, kContentsPage},
    {help::kContents, kContentsPage},
    // Dialogs: 0x20000 + the dialog's resource id.
    {help::dialogContext(102), "dialog-hardware.html"},
    {help::dialogContext(128), "main-window.html"},
    {help::dialogContext(130), "dialog-dtmf.html"},
    {help::dialogContext(131), "dialog-options.html"},
    {help::dialogContext(133), "dialog-paging-codes.html"},
    {help::dialogContext(134), "dialog-two-tone-parameters.html"},
    {help::dialogContext(146), "maintenance-mode.html"},
    {help::dialogContext(148), "dialog-two-tone-table.html"},
    {help::dialogContext(149), "dialog-ani.html"},
    {help::dialogContext(158), "dialog-scan.html"},
    {help::dialogContext(159), "dialog-power-save.html"},
    {help::dialogContext(161), "dialog-function-key.html"},
    {help::dialogContext(163), "dialog-serial-number.html"},
    {help::dialogContext(164), "dialog-other-functions.html"},
    {help::dialogContext(169), "dialog-column-display.html"},
    {help::dialogContext(170), "file-data.html"},
    {help::dialogContext(173), "transfer.html"},
    {help::dialogContext(174), "dialog-com-port.html"},
    {help::dialogContext(192), "dialog-channel-type.html"},
    // Tool bar and status bar: the contents.
    {0x5E81B, kContentsPage},
    {0x5E81C, kContentsPage},
    {0x5E81D, kContentsPage},
    {0x5E81E, kContentsPage},
};

constexpr bool sortedByContext() {
    for (std::size_t i = 1; i < std::size(kTopics); ++i) {
        if (kTopics[i - 1].context >= kTopics[i].context)
            return false;
    }
    return true;
}
static_assert(sortedByContext(), "help topics must be sorted by context number");

QUrl pageUrl(const char* page) {
    return QUrl(QStringLiteral("qrc:/help/") + QLatin1String(page));
}

} // namespace

QUrl helpTopicUrl(int contextNumber) {
    const auto it =
        std::lower_bound(std::begin(kTopics), std::end(kTopics), contextNumber,
                         [](const HelpTopic& topic, int number) { return topic.context < number; });
    if (it == std::end(kTopics) || it->context != contextNumber)
        return helpContentsUrl();
    return pageUrl(it->page);
}

QUrl helpContentsUrl() {
    return pageUrl(kContentsPage);
}

} // namespace mz58
