// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

#include <array>
#include <string_view>

namespace mz58 {

// A channel-step pair in units of 10 Hz: a channel frequency lies on the grid of one of them.
struct StepPair {
    unsigned first;
    unsigned second;
    std::string_view label; // as the hardware dialog lists it
};

inline constexpr int kStepPairCount = 4;
inline constexpr std::array<StepPair, kStepPairCount> kStepPairs{{
    {500, 625, "5,6.25kHz  "},
    {500, 750, "5,7.5kHz   "},
    {1000, 1250, "10,12.5kHz "},
    {625, 750, "6.25,7.5kHz"},
}};

// The radio's hardware parameters, image bytes 42..51. Stays decoded for the whole run: the
// channel codec and the frequency rules read band, steps, first IF, injection and offset flag.
struct HardwareSettings {
    int band = kVhf;
    int stepPair = 0;           // 0..3, index into kStepPairs
    int dividerOffset = 0;      // 1: stored divider words are the true divider minus 32768
    double reference = 21.25;   // reference oscillator, MHz
    double firstIf = 21.7;      // first IF, MHz; follows the band, never stored
    int injection = 0;          // 0 lower, 1 upper
    int squelchDelay = 3;       // 5 ms units
    int dcsPolarity = 0x10;     // high nibble receive, low nibble transmit; 1 = inverted
    int squelchRelease = 48;    // 5 ms units
    int squelchAttack = 4;      // 5 ms units
    int squelchHysteresis = 12; // ms

    // The band defaults used on a band change; also sets the local offset to the band's default.
    void resetToBand(int newBand, LocalOffset& localOffset);
    // The defaults of a new image: VHF plus the squelch and polarity start values.
    void resetForNewImage(LocalOffset& localOffset);

    void decode(const RadioImage& image);
    void encode(RadioImage& image) const;

    // Step of the current pair in 10 Hz units: select 0 = first, 1 = second.
    unsigned step(int select) const;
    // The first IF as a whole number of 10 Hz units, truncated.
    Frequency firstIfUnits() const;

    static int decodeBand(const RadioImage& image);
    static double firstIfOfBand(int band) { return band == kUhf ? 43.95 : 21.7; }
};

// Image offsets of the bytes that identify the radio's hardware; a write is refused when the
// radio's own copy of them differs.
inline constexpr std::size_t kHardwareIdFirst = 43;
inline constexpr std::size_t kHardwareIdLast = 48;

} // namespace mz58
