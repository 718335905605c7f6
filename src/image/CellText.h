// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelEntry.h"

#include <array>
#include <string>

namespace mz58 {

// The columns of the channel grid, in display order.
enum class Column : int {
    Channel,
    Width,
    Receive,
    Transmit,
    ToneType,
    DecodeTone,
    EncodeTone,
    RxSave,
    TxSave,
    Power,
    PowerLevel,
    Scan,
    GroupScan,
    TimeOut,
    Squelch,
    Ani,
    Encryption,
    BusyLockout,
    CallCode,
    ClockShift,
    OutOfRangeAlert,
    Count
};

inline constexpr int kColumnCount = static_cast<int>(Column::Count);

// The text of one grid cell of a channel; `positionInBank` is 0..7.
std::string cellText(const ChannelEntry& channel, int positionInBank, Column column);

// All cells of a channel row.
std::array<std::string, kColumnCount> rowTexts(const ChannelEntry& channel, int positionInBank);

} // namespace mz58
