// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelTable.h"
#include "HardwareSettings.h"
#include "Messages.h"

#include <array>
#include <optional>

namespace mz58 {

// Operations on whole channels of one bank: clear, insert, delete, move, and the exchange with
// the other bank's channel at the same position. A channel's position keeps its channel type
// (the channel type dialog assigns types to positions); everything else moves with the channel.

enum class RowOperation {
    Clear,         // the channel's defaults, not in use
    Insert,        // a fresh channel here; the bank's later channels move down, the last falls off
    Delete,        // the bank's later channels move up, a fresh one enters at the end
    MoveUp,        // exchange with the channel above
    MoveDown,      // exchange with the channel below
    SwapOtherBank, // exchange with the other bank's channel at the same position
    CopyToOtherBank, // the other bank's channel at the same position becomes a copy of this one
};
inline constexpr int kRowOperationCount = 7;

struct RowResult {
    bool done = false;
    std::optional<UserMessage> why; // when refused
    int current = 0;                // the channel the user is on afterwards (table index)
};

// A channel as a clear leaves it: the band's default frequency on a step that holds it, not in
// use (the table's first channel stays in use: the radio needs it), its position's type kept.
[[nodiscard]] ChannelEntry clearedChannel(const ChannelEntry& channel, int index,
                                          const HardwareSettings& hardware);

// Whether inserting at `channel` pushes a channel in use off the end of its bank (the caller
// asks first).
[[nodiscard]] bool insertDropsChannelInUse(const std::array<ChannelEntry, kChannelCount>& entries,
                                           int channel);

// Runs `operation` on channel `channel` (table index); refused operations leave `entries` as
// they were and say why.
[[nodiscard]] RowResult applyRowOperation(std::array<ChannelEntry, kChannelCount>& entries,
                                          RowOperation operation, int channel,
                                          const HardwareSettings& hardware);

} // namespace mz58
