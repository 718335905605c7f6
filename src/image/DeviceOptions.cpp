// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceOptions.h"

#include "Bitfield.h"

#include <array>
#include <utility>

namespace mz58 {

namespace {

constexpr std::array<std::pair<BitField, int DeviceOptions::*>, 2> kFields = {{
    {bitOf(26, 1), &DeviceOptions::dtmfAbsent},
    {bitOf(26, 0), &DeviceOptions::encryptionAbsent},
}};

} // namespace

void DeviceOptions::reset() {
    *this = DeviceOptions{};
}

void DeviceOptions::decode(const RadioImage& image) {
    readFields(image, kFields, *this);
}

void DeviceOptions::encode(RadioImage& image) const {
    writeFields(image, kFields, *this);
}

} // namespace mz58
