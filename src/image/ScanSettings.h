// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

namespace mz58 {

// Scan timers and priority channels (image bytes 27, 41, 60, 61 bits 6, 4, 3..0, 64 bit 1).
// Every field holds the list index the scan dialog shows.
struct ScanSettings {
    // A priority channel of this value or above means none.
    static constexpr int kNoPriorityChannel = 8;

    int dualWatchTimer = 4; // (value + 2) x 250 ms
    int resumeTime1 = 3;
    int resumeTime2 = 3;
    int answerBack = 0;
    int revertChannel = 0; // 0 = priority channel, 1 = last busy channel
    int priorityBeep = 0;  // 0 = enabled
    int bankAPriorityChannel = 0;
    int bankBPriorityChannel = 0;

    void reset();
    void decode(const RadioImage& image);
    void encode(RadioImage& image) const;

    bool operator==(const ScanSettings&) const = default;
};

} // namespace mz58
