// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessoryKeySetting.h"

#include "Bitfield.h"

namespace mz58 {

namespace {

constexpr BitField kKeyFunction = bitsOf(64, 7, 4);

} // namespace

void AccessoryKeySetting::reset() {
    code = kNone;
}

void AccessoryKeySetting::decode(const RadioImage& image) {
    code = static_cast<int>(readField(image, kKeyFunction));
}

void AccessoryKeySetting::encode(RadioImage& image) const {
    writeField(image, kKeyFunction, static_cast<unsigned>(code));
}

} // namespace mz58
