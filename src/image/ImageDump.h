// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

#include <array>
#include <string>

namespace mz58 {

// The hexadecimal view of the image: 33 rows of 17 cells. Row 0 holds the column numbers
// "00".."0f" after an empty corner; rows 1..32 hold 16 bytes each, and every odd row starts
// with the address of its first byte ("%05xh"), every even row with an empty label.
inline constexpr int kDumpRows = 33;
inline constexpr int kDumpColumns = 17;
using ImageDumpCells = std::array<std::array<std::string, kDumpColumns>, kDumpRows>;

ImageDumpCells imageDumpCells(const RadioImage& image);

} // namespace mz58
