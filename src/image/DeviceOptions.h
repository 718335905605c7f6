// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

namespace mz58 {

// Which option boards the radio lacks (image byte 26 bits 1..0): 0 = installed ("Yes"),
// 1 = not installed ("No ").
struct DeviceOptions {
    int encryptionAbsent = 1;
    int dtmfAbsent = 1;

    void reset();
    void decode(const RadioImage& image);
    void encode(RadioImage& image) const;

    bool operator==(const DeviceOptions&) const = default;
};

} // namespace mz58
