// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CallCodeSettings.h"
#include "DeviceOptions.h"
#include "ImageCodec.h"

#include <cstdint>
#include <random>
#include <vector>

namespace mz58::test {

// A fresh image state for the band, as `mz58 new` makes it.
inline ImageState freshState(int band = kVhf) {
    ImageState state;
    ImageCodec::makeNewImage(state, band);
    return state;
}

// A reset image with the option unit `unit`, the DTMF board fitted unless `dtmfAbsent`, and
// channels 1, 6 and 10 using call code 3, so that every signalling setting has a channel to show.
inline ImageState stateWithCallCodes(int unit = 0, bool dtmfAbsent = false) {
    ImageState s;
    ImageCodec::resetAll(s);
    DeviceOptions options;
    options.decode(s.image);
    options.dtmfAbsent = dtmfAbsent;
    options.encode(s.image);
    s.optionUnit.type = unit;
    s.optionUnit.encode(s.image);
    for (std::size_t k : {0u, 5u, 9u})
        s.channels.entries[k].callCode = 3;
    ImageCodec::encodeAll(s);
    writeEmptyCallCodes(s.image, unit);
    return s;
}

// The band's default hardware settings, on step pair `stepPair` (-1: the band's own).
inline HardwareSettings hardwareFor(int band, int stepPair = -1, int injection = 0) {
    HardwareSettings hw;
    LocalOffset offset = 0;
    hw.resetToBand(band, offset);
    if (stepPair >= 0)
        hw.stepPair = stepPair;
    hw.injection = injection;
    return hw;
}

inline RadioImage randomImage(std::uint32_t seed) {
    std::mt19937 gen(seed);
    RadioImage image{};
    for (auto& b : image)
        b = static_cast<std::uint8_t>(gen());
    return image;
}

inline RadioImage filledImage(std::uint8_t value) {
    RadioImage image;
    image.fill(value);
    return image;
}

} // namespace mz58::test
