// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanSettings.h"

#include "Bitfield.h"

#include <array>
#include <utility>

namespace mz58 {

namespace {

// Each field once, in the order encode writes them.
constexpr std::array<std::pair<BitField, int ScanSettings::*>, 8> kFields = {{
    {bitsOf(61, 3, 0), &ScanSettings::dualWatchTimer},
    {bitsOf(60, 3, 0), &ScanSettings::resumeTime1},
    {bitsOf(60, 7, 4), &ScanSettings::resumeTime2},
    {bitOf(61, 4), &ScanSettings::answerBack},
    {bitOf(61, 6), &ScanSettings::revertChannel},
    {bitOf(64, 1), &ScanSettings::priorityBeep},
    {wholeByte(27), &ScanSettings::bankAPriorityChannel},
    {wholeByte(41), &ScanSettings::bankBPriorityChannel},
}};

} // namespace

void ScanSettings::reset() {
    *this = ScanSettings{};
}

void ScanSettings::decode(const RadioImage& image) {
    readFields(image, kFields, *this);
}

void ScanSettings::encode(RadioImage& image) const {
    writeFields(image, kFields, *this);
}

} // namespace mz58
