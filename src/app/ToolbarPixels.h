// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace mz58 {

// Pixels of premultiplied ARGB32, one row after the other.
struct PixelStrip {
    int width;
    int height;
    const std::uint32_t* argb;
};

// The toolbar's pictures as square icons side by side, written at build time from the pictures
// in icons/: [0] at 16 px, [1] at 32 px for screens of double density. In order: the nine
// buttons of the toolbar strip, then the pictures of reading and of writing the radio.
extern const PixelStrip kToolbarPixels[2];

} // namespace mz58
