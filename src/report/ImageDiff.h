// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"

#include <string>
#include <vector>

namespace mz58 {

// What differs between two opened programming files, as the user reads it, one line each:
//   "Ch 3 Receive: 150.00000 -> 145.52500"   a grid cell (channel 1..16, the column's caption)
//   "Ch 3 In use: yes -> no"                   the row's colour in the grid
//   "Scan Resume Time 1: 2 secs -> 5 secs"     a setting, as the report prints it
//   "byte 0x1F2: 00 -> 12"                     a byte that neither shows (alignment, unused)
//   "Local offset: 0.0000 -> 5.0000"
// Bytes of a channel record that follow from what is shown (the record of a channel whose
// cells differ, or fields the channel encoding derives from the alignment data) are not listed.
// Empty when the two read the same.
[[nodiscard]] std::vector<std::string> imageDifferences(const ImageState& a, const ImageState& b);

// The caption of a grid column as the two header rows show it ("Receive", "Power L",
// "SUB AUDIO Dec"); the call-code column follows the option unit type.
[[nodiscard]] std::string columnCaption(int column, int optionUnitType);

} // namespace mz58
