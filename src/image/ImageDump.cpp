// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageDump.h"

#include <cstdio>

namespace mz58 {

namespace {
std::string hex(const char* format, unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}
} // namespace

ImageDumpCells imageDumpCells(const RadioImage& image) {
    constexpr unsigned kBytesPerRow = kDumpColumns - 1;
    ImageDumpCells cells;
    for (unsigned col = 1; col < kDumpColumns; ++col)
        cells[0][col] = hex("%02x", col - 1);
    for (unsigned row = 1; row < kDumpRows; ++row) {
        const unsigned first = (row - 1) * kBytesPerRow;
        if (row % 2 == 1)
            cells[row][0] = hex("%05xh", first);
        for (unsigned col = 1; col < kDumpColumns; ++col)
            cells[row][col] = hex("%02x", image[first + col - 1]);
    }
    return cells;
}

} // namespace mz58
