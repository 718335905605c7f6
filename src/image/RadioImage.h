// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace mz58 {

inline constexpr std::size_t kImageSize = 512;

// The radio's whole configuration memory. Multi-byte numbers in it are big-endian.
using RadioImage = std::array<std::uint8_t, kImageSize>;

// The automatic transmit offset in MHz, kept beside the image but never sent to the radio.
using LocalOffset = double;

enum Band : std::uint8_t { kVhf = 0, kUhf = 1 };

// Frequencies inside the program are whole numbers of 10 Hz (MHz x 100000).
using Frequency = std::uint32_t;
inline constexpr Frequency kUnitsPerMHz = 100000;

inline constexpr Frequency bandDefaultFrequency(int band) {
    return band == kUhf ? 45000000u : 15000000u;
}

inline constexpr double bandDefaultLocalOffset(int band) {
    return band == kUhf ? 5.0 : 0.0;
}

} // namespace mz58
