// SPDX-License-Identifier: GPL-3.0-or-later
#include "HardwareSettings.h"

#include "Bitfield.h"

#include <cmath>

namespace mz58 {
namespace {

constexpr BitField kSquelchDelay = bitsOf(42, 7, 5);
constexpr BitField kRef1High = bitsOf(42, 4, 0);
constexpr BitField kRef1Low = wholeByte(43);
constexpr BitField kStepPair = bitsOf(44, 7, 6);
constexpr BitField kDividerOffset = bitOf(44, 5);
constexpr BitField kRef2High = bitsOf(44, 4, 0);
constexpr BitField kRef2Low = wholeByte(45);
constexpr BitField kBandHigh = wholeByte(46);
constexpr BitField kBandLow = wholeByte(47);
constexpr BitField kInjection = bitOf(48, 7);
constexpr BitField kBandTail = wholeByte(49);
constexpr BitField kDcsRxPolarity = bitOf(50, 7);
constexpr BitField kDcsTxPolarity = bitOf(50, 6);
constexpr BitField kSquelchRelease = bitsOf(50, 5, 0);
constexpr BitField kSquelchAttack = bitsOf(51, 7, 4);
constexpr BitField kSquelchHysteresis = bitsOf(51, 3, 0);

constexpr std::size_t kFixedBitsByte = 48;
constexpr std::uint8_t kFixedBitsKept = 0x8D; // bit 7 (injection) and bits 3, 2, 0
constexpr std::uint8_t kFixedBitsSet = 0x0D;  // bits 3, 2, 0 always set; 6, 5, 4, 1 cleared

// Byte 47 at or below this value is a UHF radio.
constexpr unsigned kLastUhfBandByte = 0x56;

struct BandConstants {
    std::uint8_t high;
    std::uint8_t low;
    std::uint8_t tail;
};
constexpr BandConstants kVhfConstants{0x10, 0xF4, 0x90};
constexpr BandConstants kUhfConstants{0x11, 0x2B, 0xBC};

constexpr unsigned kDividerMask = 0x1FFF; // 13-bit reference dividers

double stepMHz(unsigned stepUnits) {
    return stepUnits * 0.00001;
}

unsigned referenceDivider(double reference, unsigned stepUnits) {
    const double d = reference / stepMHz(stepUnits) + 0.5;
    // Dividers are 13 bits: a value beyond 16 bits (or no number) is stored as 0, any other
    // as its low 13 bits, as the radio would take them.
    if (!(d >= 0.0) || d >= 65536.0)
        return 0;
    return static_cast<unsigned>(d) & kDividerMask;
}

} // namespace

void HardwareSettings::resetToBand(int newBand, LocalOffset& localOffset) {
    band = newBand == kUhf ? kUhf : kVhf;
    if (band == kUhf) {
        reference = 14.5;
        stepPair = 2;
        dividerOffset = 1;
        squelchRelease = 32;
    } else {
        reference = 21.25;
        stepPair = 0;
        dividerOffset = 0;
        squelchRelease = 48;
    }
    firstIf = firstIfOfBand(band);
    injection = 0;
    localOffset = bandDefaultLocalOffset(band);
}

void HardwareSettings::resetForNewImage(LocalOffset& localOffset) {
    resetToBand(kVhf, localOffset);
    squelchDelay = 3;
    squelchAttack = 4;
    squelchHysteresis = 12;
    dcsPolarity = 0x10;
}

int HardwareSettings::decodeBand(const RadioImage& image) {
    return readField(image, kBandLow) <= kLastUhfBandByte ? kUhf : kVhf;
}

void HardwareSettings::decode(const RadioImage& image) {
    band = decodeBand(image);
    firstIf = firstIfOfBand(band);
    stepPair = static_cast<int>(readField(image, kStepPair));
    dividerOffset = static_cast<int>(readField(image, kDividerOffset));
    const unsigned r1 = (readField(image, kRef1High) << 8) | readField(image, kRef1Low);
    reference = r1 * stepMHz(step(0));
    injection = static_cast<int>(readField(image, kInjection));
    squelchDelay = static_cast<int>(readField(image, kSquelchDelay));
    dcsPolarity = static_cast<int>((readField(image, kDcsRxPolarity) << 4) |
                                   readField(image, kDcsTxPolarity));
    squelchRelease = static_cast<int>(readField(image, kSquelchRelease));
    squelchAttack = static_cast<int>(readField(image, kSquelchAttack));
    squelchHysteresis = static_cast<int>(readField(image, kSquelchHysteresis));
}

void HardwareSettings::encode(RadioImage& image) const {
    writeField(image, kStepPair, static_cast<unsigned>(stepPair));

    const unsigned r1 = referenceDivider(reference, step(0));
    const unsigned r2 = referenceDivider(reference, step(1));
    writeField(image, kRef1High, r1 >> 8);
    writeField(image, kRef1Low, r1);
    writeField(image, kRef2High, r2 >> 8);
    writeField(image, kRef2Low, r2);

    writeField(image, kInjection, static_cast<unsigned>(injection));

    const BandConstants& c = band == kUhf ? kUhfConstants : kVhfConstants;
    writeField(image, kBandLow, c.low);
    writeField(image, kBandHigh, c.high);
    writeField(image, kBandTail, c.tail);
    image[kFixedBitsByte] =
        static_cast<std::uint8_t>((image[kFixedBitsByte] & kFixedBitsKept) | kFixedBitsSet);

    writeField(image, kSquelchDelay, static_cast<unsigned>(squelchDelay));
    writeField(image, kDcsRxPolarity, static_cast<unsigned>(dcsPolarity >> 4));
    writeField(image, kDcsTxPolarity, static_cast<unsigned>(dcsPolarity & 0x0F));
    writeField(image, kSquelchRelease, static_cast<unsigned>(squelchRelease));
    writeField(image, kSquelchAttack, static_cast<unsigned>(squelchAttack));
    writeField(image, kSquelchHysteresis, static_cast<unsigned>(squelchHysteresis));
    writeField(image, kDividerOffset, static_cast<unsigned>(dividerOffset));
}

unsigned HardwareSettings::step(int select) const {
    const StepPair& pair = kStepPairs[static_cast<std::size_t>(stepPair) & 3u];
    return select ? pair.second : pair.first;
}

Frequency HardwareSettings::firstIfUnits() const {
    return static_cast<Frequency>(firstIf * kUnitsPerMHz);
}

} // namespace mz58
