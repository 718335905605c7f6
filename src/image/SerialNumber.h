// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

#include <string>
#include <string_view>

namespace mz58 {

// The radio's serial ("market") number: 6 DTMF characters in image bytes 349..351, two a byte,
// high nibble first.
struct SerialNumber {
    static constexpr std::size_t kDigits = 6;
    static constexpr std::size_t kFirstByte = 349;
    static constexpr std::size_t kByteCount = kDigits / 2;

    std::string digits = "000000";

    void reset();
    void decode(const RadioImage& image);
    // Writes the first 6 characters, padded with "0"; "a".."d" count as "A".."D"; a character
    // without a digit code is written as "0".
    void encode(RadioImage& image) const;

    bool operator==(const SerialNumber&) const = default;
};

// The first 6 characters of `text`, padded on the right with "0" to 6 ("12" -> "120000").
[[nodiscard]] std::string padSerialNumber(std::string_view text);

} // namespace mz58
