// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

#include <string>

namespace mz58 {

// Automatic number identification (image bytes 65 bits 4..0 and 66..73).
struct AniSettings {
    static constexpr std::size_t kMaxDigits = 15;

    int method = 0; // 0 = on PTT pressed, 1 = on PTT released
    int delay = 1;
    int speed = 2;
    // Up to 15 DTMF characters; a longer code is cut at 15 on encode, a character without a
    // digit code is written as "0".
    std::string code;

    void reset();
    void decode(const RadioImage& image);
    // An empty code writes only the length (the stored digits stay as they were); otherwise the
    // bytes that hold digits are written whole and the bytes after them are kept.
    void encode(RadioImage& image) const;

    bool operator==(const AniSettings&) const = default;
};

} // namespace mz58
