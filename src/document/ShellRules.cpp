// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellRules.h"

#include "OptionUnit.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace mz58 {
namespace {

// One group of commands: its first id, how many of its ids the table governs, and the mask of
// each row (bit n = the n-th id of the group). The channel-type mask governs 32830 alone: the
// ids after it are the toolbar's upload and download, which stay enabled.
struct CommandGroup {
    int firstId;
    int count;
    std::array<unsigned, 3> rowMasks;
};

constexpr std::array<CommandGroup, 6> kGroups{{
    {cmd::kComPort, 1, {0x1F, 0x1F, 0x1F}},
    {cmd::kSettingsFirst, 7, {0x7F, 0x7F, 0x7F}},
    {cmd::kSignallingFirst, 5, {0x07, 0x1B, 0x03}},
    {cmd::kUpload, 2, {0x03, 0x03, 0x03}},
    {cmd::kChannelType, 1, {0x17, 0x17, 0x3F}},
    {cmd::kHelpFirst, 3, {0x07, 0x07, 0x07}},
}};

constexpr std::array<std::string_view, 4> kMaintenanceSwitches{"-M", "-m", "/M", "/m"};

} // namespace

int validComPort(int comPort) {
    return comPort < 1 || comPort > 4 ? 1 : comPort;
}

int validWindowWidth(int cx) {
    return std::max(cx, kMinWindowWidth);
}

int validWindowHeight(int cy) {
    return std::max(cy, kMinWindowHeight);
}

bool isMaintenanceSwitch(std::span<const std::string> arguments) {
    return arguments.size() == 1 &&
           std::ranges::find(kMaintenanceSwitches, arguments.front()) != kMaintenanceSwitches.end();
}

bool isMaintenancePassword(std::string_view text) {
    return text == "tomba-rikel";
}

std::string clockText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, " %i:%02i", hour, minute);
    return text;
}

int availabilityRow(int optionUnitType) {
    switch (optionUnitType) {
    case OptionUnit::k2Tone:
        return 1;
    case OptionUnit::kSubsig:
        return 2;
    default:
        return 0;
    }
}

bool isCommandEnabled(int commandId, int optionUnitType, bool dtmfAbsent) {
    if (commandId == cmd::kPagingCode && dtmfAbsent)
        return false;
    const int row = availabilityRow(optionUnitType);
    for (const CommandGroup& group : kGroups) {
        const int bit = commandId - group.firstId;
        if (bit >= 0 && bit < group.count)
            return (group.rowMasks[static_cast<std::size_t>(row)] >> bit) & 1u;
    }
    return true;
}

} // namespace mz58
