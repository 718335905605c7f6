#pragma once

#include "ChannelEntry.h"
#include "HardwareSettings.h"
#include "RadioImage.h"

#include <string>
#include <string_view>

namespace mz58 {

struct BandLimits {
    std::string_view name;
    double lower; // MHz
    double upper;
};

// Indexed by band; the third entry is a second UHF entry kept for stored band indexes of 2.
inline constexpr BandLimits kBandLimits[] = {
    {"VHF ", 134.0, 174.0},
    {"UHF", 400.0, 512.0},
    {"UHF", 400.0, 512.0},
};

const BandLimits& bandLimits(int band);

// Clamps `mhz` into the band and moves it onto the grid of one of the two steps of the current
// pair; returns the step select (0 first step, 1 second step).
int snapToStepGrid(const HardwareSettings& hardware, double& mhz);

// True when `mhz` lies within the capture window of a harmonic of the radio's CPU clock.
bool isClockHarmonic(double mhz);

// The decimal number a text starts with, as the grid reads typed frequencies: leading blanks
// are skipped, parsing stops at the first character that cannot belong to the number, and a
// text with no number gives 0. Values beyond any frequency are limited to +-1e6.
double leadingDecimal(std::string_view text);

// A frequency as the grid and the report write it: "%9.5f" in MHz.
std::string formatFrequency(Frequency frequency);
inline constexpr std::string_view kInhibitedTxText = "---.-----";

// The RX and TX entries of the grid: the channel takes the typed frequency after clamping,
// snapping and the clock-harmonic check. Entering RX also sets TX to RX + local offset.
void setRxFromText(ChannelEntry& channel, std::string_view text, const HardwareSettings& hardware,
                   LocalOffset localOffset);
void setTxFromText(ChannelEntry& channel, std::string_view text, const HardwareSettings& hardware);

} // namespace mz58
