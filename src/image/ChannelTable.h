// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelEntry.h"
#include "HardwareSettings.h"
#include "RadioImage.h"

#include <array>

namespace mz58 {

inline constexpr int kChannelCount = 16;
inline constexpr int kChannelsPerBank = 8;
inline constexpr std::size_t kFirstRecord = 74;

enum BankIndex : int { kBankA = 0, kBankB = 1 };

// The 16 channels (bank A entries 0..7, bank B entries 8..15) and the radio's alignment data.
class ChannelTable {
public:
    std::array<ChannelEntry, kChannelCount> entries;
    std::array<int, 2> bankCounts{kChannelsPerBank, kChannelsPerBank};
    AlignmentData alignment;

    ChannelTable() { reset(); }

    void reset();
    // Reads the alignment data, then the 16 records, then the per-bank bytes 28..39.
    void decode(const RadioImage& image, const HardwareSettings& hardware);
    // Writes the 16 records and ORs the per-bank masks into bytes 28, 29, 34, 35, which must
    // be clear beforehand, then writes the channel-type nibbles.
    void encode(RadioImage& image, const HardwareSettings& hardware);

    // Every channel in use at the band's default frequency (after a band change).
    void changeBand(int band);

    // Drops call code `code` from every channel that uses it, in the entries and in each
    // channel's own record.
    void clearCodeReferences(int code, RadioImage& image);

    static ChannelRecord record(RadioImage& image, int index);
    static ConstChannelRecord record(const RadioImage& image, int index);
};

} // namespace mz58
