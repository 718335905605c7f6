// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"

#include "ChannelEntry.h"
#include "HardwareSettings.h"
#include "RadioImage.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The step select on which a channel holds `frequency` (reads it back unchanged): `preferred`
// when it does, else the pair's other step when the frequency lies on that step's grid and it
// holds there; none when neither does.
[[nodiscard]] std::optional<int> holdingStepSelect(Frequency frequency, int preferred, bool receive,
                                                   const HardwareSettings& hardware);

// A frequency that a channel cannot hold on either step of the pair.
struct FrequencyRefusal {
    Frequency frequency = 0; // after the band clamp and the step grid
    Frequency readBack = 0;  // what the channel would read back on the step the grid chose
    unsigned step = 0;       // that step, in 10 Hz units
    bool receive = true;
};

// Names the frequency and why it was refused, for the status line and the command line.
[[nodiscard]] UserMessage frequencyRefusalMessage(const FrequencyRefusal& refusal);

// What an entry stored besides the typed value, as the status line and the command line say
// it: a value clamped into the band, a Receive that moved the derived Transmit past a band edge,
// a value the step grid moved. The clamp and the grid are the radio's rules; they are never
// silent.
using FrequencyNotices = std::vector<UserMessage>;

// The RX and TX entries of the grid: the channel takes the typed frequency after clamping,
// snapping and the clock-harmonic check. Entering RX also sets TX to RX + local offset. A
// frequency that the channel cannot hold (on the step the grid chose or the pair's other step)
// is refused and the channel is left exactly as it was. When `notices` is given, an entry that
// was taken adds what it stored other than typed.
[[nodiscard]] std::optional<FrequencyRefusal>
setRxFromText(ChannelEntry& channel, std::string_view text, const HardwareSettings& hardware,
              LocalOffset localOffset, FrequencyNotices* notices = nullptr);
[[nodiscard]] std::optional<FrequencyRefusal> setTxFromText(ChannelEntry& channel,
                                                            std::string_view text,
                                                            const HardwareSettings& hardware,
                                                            FrequencyNotices* notices = nullptr);

} // namespace mz58
