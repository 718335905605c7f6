// SPDX-License-Identifier: GPL-3.0-or-later
#include "AniSettings.h"

#include "Bitfield.h"
#include "DtmfDigit.h"

#include <algorithm>

namespace mz58 {

namespace {

constexpr BitField kMethod = bitOf(65, 4);
constexpr BitField kDelay = bitsOf(65, 3, 2);
constexpr BitField kSpeed = bitsOf(65, 1, 0);
constexpr BitField kCodeLength = bitsOf(66, 7, 4);
constexpr std::size_t kFirstPairByte = 67;

// Digit 0 is the low nibble of byte 66; then two digits a byte from 67 on, high nibble first.
constexpr BitField digitField(std::size_t digit) {
    if (digit == 0)
        return bitsOf(66, 3, 0);
    const std::size_t pairIndex = digit - 1;
    const std::size_t byte = kFirstPairByte + pairIndex / 2;
    return pairIndex % 2 == 0 ? bitsOf(byte, 7, 4) : bitsOf(byte, 3, 0);
}

static_assert(digitField(AniSettings::kMaxDigits - 1).offset == 73);

} // namespace

void AniSettings::reset() {
    *this = AniSettings{};
}

void AniSettings::decode(const RadioImage& image) {
    method = static_cast<int>(readField(image, kMethod));
    delay = static_cast<int>(readField(image, kDelay));
    speed = static_cast<int>(readField(image, kSpeed));
    const std::size_t length = readField(image, kCodeLength);
    code.clear();
    for (std::size_t i = 0; i < length; ++i)
        code.push_back(dtmfChar(readField(image, digitField(i))));
}

void AniSettings::encode(RadioImage& image) const {
    writeField(image, kMethod, static_cast<unsigned>(method));
    writeField(image, kDelay, static_cast<unsigned>(delay));
    writeField(image, kSpeed, static_cast<unsigned>(speed));

    const std::size_t length = std::min(code.size(), kMaxDigits);
    writeField(image, kCodeLength, static_cast<unsigned>(length));
    if (length == 0)
        return;
    // Bytes holding digits are written whole: an unused low nibble at the end becomes 0.
    for (std::size_t byte = kFirstPairByte; byte <= digitField(length - 1).offset; ++byte)
        writeField(image, wholeByte(byte), 0);
    for (std::size_t i = 0; i < length; ++i)
        writeField(image, digitField(i), dtmfCode(code[i]).value_or(0));
}

} // namespace mz58
