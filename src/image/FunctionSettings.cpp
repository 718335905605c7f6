// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionSettings.h"

#include "Bitfield.h"

#include <array>
#include <utility>

namespace mz58 {

namespace {

// Each field once, in the order encode writes them.
constexpr std::array<std::pair<BitField, int FunctionSettings::*>, 12> kFields = {{
    {bitOf(61, 7), &FunctionSettings::lampMode},
    {bitsOf(63, 7, 6), &FunctionSettings::autoPowerOff},
    {bitOf(63, 5), &FunctionSettings::transmitDelay},
    {bitOf(63, 4), &FunctionSettings::alarm},
    {bitOf(63, 3), &FunctionSettings::monitor},
    {bitsOf(63, 2, 0), &FunctionSettings::receiveSave},
    {bitOf(62, 4), &FunctionSettings::reservedFlag},
    {bitsOf(62, 7, 5), &FunctionSettings::transmitTimer},
    {bitsOf(62, 3, 2), &FunctionSettings::penaltyTime},
    {bitsOf(62, 1, 0), &FunctionSettings::releaseTime},
    {bitOf(65, 7), &FunctionSettings::powerOnDualWatch},
    {bitOf(64, 0), &FunctionSettings::keyBeep},
}};

} // namespace

void FunctionSettings::reset() {
    *this = FunctionSettings{};
}

void FunctionSettings::decode(const RadioImage& image) {
    readFields(image, kFields, *this);
}

void FunctionSettings::encode(RadioImage& image) const {
    writeFields(image, kFields, *this);
}

} // namespace mz58
