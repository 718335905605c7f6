// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialNumber.h"

#include "Bitfield.h"
#include "DtmfDigit.h"

namespace mz58 {

namespace {

constexpr BitField digitField(std::size_t digit) {
    const std::size_t byte = SerialNumber::kFirstByte + digit / 2;
    return digit % 2 == 0 ? bitsOf(byte, 7, 4) : bitsOf(byte, 3, 0);
}

static_assert(digitField(SerialNumber::kDigits - 1).offset == 351);

} // namespace

std::string padSerialNumber(std::string_view text) {
    std::string padded(text.substr(0, SerialNumber::kDigits));
    padded.resize(SerialNumber::kDigits, '0');
    return padded;
}

void SerialNumber::reset() {
    *this = SerialNumber{};
}

void SerialNumber::decode(const RadioImage& image) {
    digits.clear();
    for (std::size_t i = 0; i < kDigits; ++i)
        digits.push_back(dtmfChar(readField(image, digitField(i))));
}

void SerialNumber::encode(RadioImage& image) const {
    const std::string padded = padSerialNumber(digits);
    for (std::size_t i = 0; i < kDigits; ++i)
        writeField(image, digitField(i), dtmfCode(padded[i]).value_or(0));
}

} // namespace mz58
