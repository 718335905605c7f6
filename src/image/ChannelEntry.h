// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HardwareSettings.h"
#include "RadioImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace mz58 {

inline constexpr std::size_t kChannelRecordSize = 12;
using ChannelRecord = std::span<std::uint8_t, kChannelRecordSize>;
using ConstChannelRecord = std::span<const std::uint8_t, kChannelRecordSize>;

// The factory alignment data of a radio (image bytes 294..343): the RX tuning line and the
// segment table that the TX frequency of a channel is looked up in.
struct AlignmentData {
    static constexpr int kSegmentCount = 10;
    // The bytes a write takes from the radio's own copy: the tuning line and the segment
    // table up to the last boundary that bounds a segment (342..343 are not interpreted).
    static constexpr std::size_t kFirstByte = 294;
    static constexpr std::size_t kLastTakenByte = 341;
    std::array<unsigned, kSegmentCount + 1> boundaries{}; // whole MHz
    std::array<std::uint8_t, kSegmentCount> valuesAbc{};  // A bits 2..0, B 5..3, C 7..6
    std::array<std::uint8_t, kSegmentCount> valuesD{};    // bits 2..0
    unsigned tuneBaseFrequency = 0;                       // 100 kHz units
    unsigned tuneBaseValue = 0;
    unsigned tuneSlopeAbove = 0;
    unsigned tuneSlopeAtOrBelow = 0;

    void decode(const RadioImage& image);
};

// What decoding a record needs to know besides the record.
struct ChannelDecodeContext {
    const HardwareSettings& hardware;
    bool encryptionDeviceAbsent;
    bool dtmfDeviceAbsent;
    int optionUnitType;

    static ChannelDecodeContext fromImage(const RadioImage& image, const HardwareSettings& hw);
};

enum ToneType : int { kToneNone = 0, kToneCtcss = 1, kToneDcs = 2 };

// One decoded channel. Frequencies are whole numbers of 10 Hz.
struct ChannelEntry {
    Frequency rxFrequency = 15000000;
    Frequency txFrequency = 15000000;
    int txInhibit = 0;
    int rxSave = 0;
    int txSave = 0;
    int toneType = kToneNone;
    int rxCtcss = 0;
    int txCtcss = 0;
    int rxDcs = 0;
    int txDcs = 0;
    int lowPower = 0;
    int lowPowerLevel = 1;
    int clockShift = 0;
    int totEnabled = 1;
    int busyLockout = 0;
    int squelchLevel = 0;
    int aniEnabled = 0;
    int encryption = 0;
    int outOfRangeAlert = 0;
    int callCode = 0;
    int inUse = 1;
    int narrow = 0;
    int scanMember = 0;
    int groupScanMember = 0;
    int channelType = 0;
    int rxStepSelect = 0;
    int txStepSelect = 0;
    int spareFlag = 0;
    int rxTune = 0;
    int alignA = 0;
    int alignB = 0;
    int alignC = 0;
    int alignD = 0;
    // The divider words the entry was decoded from (record bytes 6..7 and 8..9). Encode writes
    // a word back as long as it still reads as the entry's frequency on the current hardware
    // and step, so that a channel nobody edited keeps its bytes even where the frequency shown
    // (a band default, a wrapped divider) could not be derived into a word again.
    std::optional<std::uint16_t> storedRxWord = std::nullopt;
    std::optional<std::uint16_t> storedTxWord = std::nullopt;

    void decode(ConstChannelRecord record, const ChannelDecodeContext& context);
    // Writes the entry field by field (a stored divider word where it still holds the
    // frequency, else one derived from the frequency); also refreshes the alignment fields and the
    // RX tuning value from the radio's alignment data, as the radio expects them.
    void encode(ChannelRecord record, const HardwareSettings& hardware,
                const AlignmentData& alignment);

    // The RX tuning value for a receive frequency on the given tuning line.
    static int rxTuneFor(Frequency rxFrequency, const AlignmentData& alignment);
};

// The frequency a channel reads back after storing `frequency` on the step `stepSelect` (the
// receive word on the other side of the IF). It differs from `frequency` when the record cannot
// hold it: the divider word would wrap below 0, be cut above 65535, have a high byte of 0 (read
// as the band's default), or the IF moves it off the step.
[[nodiscard]] Frequency readBackFrequency(Frequency frequency, int stepSelect, bool receive,
                                          const HardwareSettings& hardware);

// Rewrites just the call-code field of a record (presence bit and code number).
void writeCallCodeField(ChannelRecord record, int callCode);

} // namespace mz58
