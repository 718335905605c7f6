// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What one row of a CHIRP CSV does to a channel: the rules behind the import plan.

#include "ChannelEntry.h"
#include "CsvReader.h"
#include "HardwareSettings.h"
#include "Messages.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace mz58::chirp {

using Hertz = long long;

// Hertz as CHIRP writes MHz ("146.520000").
std::string megahertzText(Hertz hz);
Hertz hertzOf(Frequency frequency);
// The tone text of the table without its leading blank (" 67.0" -> "67.0").
std::string ctcssValueText(int index);
bool validCtcss(int index);
bool validDcs(int index);

enum Field : std::size_t {
    kLocation,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kMode,
    // optional columns
    kName,
    kRxDtcsCode,
    kCrossMode,
    kTStep,
    kSkip,
    kPower,
    kFieldCount
};
inline constexpr std::size_t kRequiredFields = kName;
inline constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

// The column of each field in the file; kAbsent for a column it does not have.
using ColumnMap = std::array<std::size_t, kFieldCount>;

// Finds the columns by their header names (any order, any case). The message names the
// required columns missing; Location is not required when `needLocation` is false.
std::optional<UserMessage> mapColumns(const CsvRecord& header, bool needLocation,
                                      ColumnMap& columns);

// One CSV row's fields by name, blanks trimmed.
class Row {
public:
    Row(const CsvRecord& record, const ColumnMap& columns) : m_record(record), m_columns(columns) {}
    std::string operator[](Field f) const;

private:
    const CsvRecord& m_record;
    const ColumnMap& m_columns;
};

// What a row does to one channel.
struct RowEffect {
    std::optional<UserMessage> refusal; // the radio cannot hold the row
    std::vector<UserMessage> warnings;
    bool moved = false; // the step grid moved a frequency
    ChannelEntry entry; // the channel with the row applied
};

// Applies a row to a copy of `channel`: frequencies, tones, width, scan membership and power;
// what the CSV does not carry is kept, and so is every field the row leaves as it was (a step
// select that holds the frequency, an inhibited transmitter's own frequency, the clock shift
// of an unchanged receive frequency, the tone type of a channel without tones).
RowEffect applyRow(const Row& row, const ChannelEntry& channel, const HardwareSettings& hardware);

// The channel a Location names (1..16), or the reason it names none.
std::optional<UserMessage> locationOf(const Row& row, int& channel);

} // namespace mz58::chirp
