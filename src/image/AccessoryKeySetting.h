// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

namespace mz58 {

// Function of the accessory key (image byte 64 bits 7..4; the other bits of the byte are kept).
struct AccessoryKeySetting {
    static constexpr int kNone = 0;
    static constexpr int kScan = 1;
    static constexpr int kDualWatch = 2;
    static constexpr int kPowerHiLo = 3;
    static constexpr int kTalkAround = 4;
    static constexpr int kTxSave = 5;
    static constexpr int kEncryption = 6;
    static constexpr int kFollowMe = 7;
    static constexpr int kBankB = 8;

    int code = kNone;

    void reset();
    void decode(const RadioImage& image);
    void encode(RadioImage& image) const;

    bool operator==(const AccessoryKeySetting&) const = default;
};

} // namespace mz58
