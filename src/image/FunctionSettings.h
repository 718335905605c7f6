// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

namespace mz58 {

// Power-save timers and other radio functions (image bytes 61 bit 7, 62, 63, 64 bit 0,
// 65 bit 7). Every field holds the list index its dialog shows.
struct FunctionSettings {
    int lampMode = 0; // 0 = enabled
    int autoPowerOff = 0;
    int transmitDelay = 0;
    int alarm = 0;
    int monitor = 0;
    int receiveSave = 0;
    int reservedFlag = 1;  // no editor; kept as read
    int transmitTimer = 1; // 0 = 0.5 min, n = n min
    int penaltyTime = 0;
    int releaseTime = 1;
    int powerOnDualWatch = 0;
    int keyBeep = 0; // 0 = enabled

    void reset();
    void decode(const RadioImage& image);
    void encode(RadioImage& image) const;

    bool operator==(const FunctionSettings&) const = default;
};

} // namespace mz58
