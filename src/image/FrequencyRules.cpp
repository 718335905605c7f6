// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrequencyRules.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace mz58 {
namespace {

constexpr double kClockHarmonicHz = 894886.25;
constexpr double kCaptureWindowHz = 7500.0;
constexpr double kCaptureWidening = 0.0001;
constexpr double kLargestTypedValue = 1e6;

long long truncToInteger(double v) {
    return static_cast<long long>(v);
}

// Frequencies become integers only after clamping, so the value always fits.
Frequency toFrequency(double mhz) {
    const long long v = truncToInteger(mhz * kUnitsPerMHz);
    return v < 0 ? 0u : static_cast<Frequency>(v);
}

Frequency roundUpToMultipleOfFive(Frequency v) {
    return v % 5 != 0 ? v + 1 : v;
}

} // namespace

const BandLimits& bandLimits(int band) {
    return kBandLimits[(band >= 0 && band < 3) ? band : 0];
}

int snapToStepGrid(const HardwareSettings& hardware, double& mhz) {
    const BandLimits& limits = bandLimits(hardware.band);
    // A value that is no number at all (an offset read from a damaged file) is out of band.
    if (!std::isfinite(mhz))
        mhz = limits.lower;
    if (limits.lower > mhz)
        mhz = limits.lower;
    else if (limits.upper < mhz)
        mhz = limits.upper;
    if (mhz == 0.0)
        return 0;

    const long long v = truncToInteger(mhz * kUnitsPerMHz);
    const long long a = hardware.step(0);
    const long long b = hardware.step(1);
    if (v % b == 0) {
        mhz = static_cast<double>(v) * 0.00001;
        return 1;
    }
    if (v % a == 0) {
        mhz = static_cast<double>(v) * 0.00001;
        return 0;
    }
    // On neither grid: move up to the nearer of the two next grid points; a tie takes the first.
    const long long ua = a * (v / a + 1);
    const long long ub = b * (v / b + 1);
    if (std::llabs(ua - v) <= std::llabs(ub - v)) {
        mhz = static_cast<double>(ua) * 0.00001;
        return 0;
    }
    mhz = static_cast<double>(ub) * 0.00001;
    return 1;
}

bool isClockHarmonic(double mhz) {
    const double f = mhz * 1000000.0;
    if (f == 0.0 || !std::isfinite(f))
        return false;
    const double n = std::trunc(f / kClockHarmonicHz + 0.5);
    const double h = n * kClockHarmonicHz;
    const double low = (f - kCaptureWindowHz) - (f - kCaptureWindowHz) * kCaptureWidening;
    const double high = (f + kCaptureWindowHz) + (f + kCaptureWindowHz) * kCaptureWidening;
    return low <= h && h <= high;
}

double leadingDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only a digit or a point may start the number: this keeps "inf" and "nan" out.
    if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.'))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = kLargestTypedValue;
    else if (result.ec != std::errc{})
        return 0.0;
    if (!std::isfinite(value) || value > kLargestTypedValue)
        value = kLargestTypedValue;
    return negative ? -value : value;
}

std::string formatFrequency(Frequency frequency) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%9.5f", frequency * 0.00001);
    return buffer;
}

namespace {
std::string trimmedFrequency(Frequency frequency) {
    std::string text = formatFrequency(frequency);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}
} // namespace

std::optional<int> holdingStepSelect(Frequency frequency, int preferred, bool receive,
                                     const HardwareSettings& hardware) {
    if (readBackFrequency(frequency, preferred, receive, hardware) == frequency)
        return preferred;
    const int other = preferred == 0 ? 1 : 0;
    if (frequency % hardware.step(other) == 0 &&
        readBackFrequency(frequency, other, receive, hardware) == frequency)
        return other;
    return std::nullopt;
}

UserMessage frequencyRefusalMessage(const FrequencyRefusal& refusal) {
    char step[16];
    std::snprintf(step, sizeof step, "%g", refusal.step * 0.01);
    return {refusal.receive ? msg::kRxNotHeld : msg::kTxNotHeld,
            {trimmedFrequency(refusal.frequency), step, trimmedFrequency(refusal.readBack)},
            {},
            Icon::Warning};
}

namespace {

// The step select that holds `frequency`, or the refusal that names why none does.
std::optional<FrequencyRefusal> checkHeld(Frequency frequency, int& stepSelect, bool receive,
                                          const HardwareSettings& hardware) {
    if (const auto held = holdingStepSelect(frequency, stepSelect, receive, hardware)) {
        stepSelect = *held;
        return std::nullopt;
    }
    return FrequencyRefusal{frequency, readBackFrequency(frequency, stepSelect, receive, hardware),
                            hardware.step(stepSelect), receive};
}

std::string numberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// Beyond a band edge by more than the rounding of a sum of doubles (well below 10 Hz).
bool outsideBand(double mhz, const BandLimits& limits) {
    constexpr double kTolerance = 1e-6;
    return mhz < limits.lower - kTolerance || mhz > limits.upper + kTolerance;
}

// What storing `stored` for the typed `typedMhz` (typed as `text`) did to it: the band clamp, or
// a move onto the step grid. Nothing when the channel holds what was typed.
void noteEntry(FrequencyNotices& notices, std::string_view text, bool clamped, double typedMhz,
               Frequency stored, int stepSelect, bool receive, const HardwareSettings& hardware) {
    const BandLimits& limits = bandLimits(hardware.band);
    if (clamped) {
        notices.push_back({msg::kFrequencyClamped,
                           {trimmed(text), numberText(limits.lower), numberText(limits.upper),
                            trimmedFrequency(stored)},
                           {},
                           Icon::Warning});
        return;
    }
    if (static_cast<double>(stored) != std::round(typedMhz * kUnitsPerMHz))
        notices.push_back({receive ? msg::kRxMovedToStep : msg::kTxMovedToStep,
                           {trimmedFrequency(stored), numberText(hardware.step(stepSelect) * 0.01)},
                           {},
                           Icon::Warning});
}

} // namespace

std::optional<FrequencyRefusal> setRxFromText(ChannelEntry& channel, std::string_view text,
                                              const HardwareSettings& hardware,
                                              LocalOffset localOffset, FrequencyNotices* notices) {
    const double typed = leadingDecimal(text);
    const long long r = truncToInteger(typed * kUnitsPerMHz);
    double rx = static_cast<double>(r) * 0.00001;
    const double rxTyped = rx;
    int rxSelect = snapToStepGrid(hardware, rx);
    const int clockShift = isClockHarmonic(rx) ? 1 : 0;

    double tx;
    double txDerived = 0.0;
    int txSelect = channel.txStepSelect;
    if (rx != 0.0) {
        tx = txDerived = localOffset + rx;
        txSelect = snapToStepGrid(hardware, tx);
    } else {
        tx = channel.txFrequency * 0.00001;
    }
    const Frequency rxFrequency = roundUpToMultipleOfFive(toFrequency(rx));
    const Frequency txFrequency = roundUpToMultipleOfFive(toFrequency(tx));
    if (auto refused = checkHeld(rxFrequency, rxSelect, true, hardware))
        return refused;
    if (auto refused = checkHeld(txFrequency, txSelect, false, hardware))
        return refused;

    channel.inUse = 1;
    channel.rxStepSelect = rxSelect;
    channel.clockShift = clockShift;
    channel.txStepSelect = txSelect;
    channel.rxFrequency = rxFrequency;
    channel.txFrequency = txFrequency;
    if (!notices)
        return std::nullopt;
    const BandLimits& limits = bandLimits(hardware.band);
    noteEntry(*notices, text, outsideBand(rxTyped, limits), typed, rxFrequency, rxSelect, true,
              hardware);
    // The derived transmit frequency matters only when the channel transmits; a damaged offset
    // (not a number) is the file's fault, which opening it already names.
    if (rx != 0.0 && channel.txInhibit == 0 && std::isfinite(txDerived)) {
        if (outsideBand(txDerived, limits)) {
            char derived[32];
            std::snprintf(derived, sizeof derived, "%.5f", txDerived);
            notices->push_back({msg::kDerivedTxClamped,
                                {derived, numberText(limits.lower), numberText(limits.upper),
                                 trimmedFrequency(txFrequency)},
                                {},
                                Icon::Warning});
        } else {
            noteEntry(*notices, {}, false, txDerived, txFrequency, txSelect, false, hardware);
        }
    }
    return std::nullopt;
}

std::optional<FrequencyRefusal> setTxFromText(ChannelEntry& channel, std::string_view text,
                                              const HardwareSettings& hardware,
                                              FrequencyNotices* notices) {
    const bool keep = text == kInhibitedTxText;
    const std::string kept = keep ? formatFrequency(channel.txFrequency) : std::string();
    const double typed = keep ? channel.txFrequency * 0.00001 : leadingDecimal(text);
    double tx = keep ? typed : static_cast<double>(truncToInteger(typed * kUnitsPerMHz)) * 0.00001;
    const double txTyped = tx;
    int txSelect = snapToStepGrid(hardware, tx);
    const Frequency txFrequency = toFrequency(tx);
    if (auto refused = checkHeld(txFrequency, txSelect, false, hardware))
        return refused;
    channel.txStepSelect = txSelect;
    channel.txFrequency = txFrequency;
    if (notices)
        noteEntry(*notices, keep ? kept : text, outsideBand(txTyped, bandLimits(hardware.band)),
                  typed, txFrequency, txSelect, false, hardware);
    return std::nullopt;
}

} // namespace mz58
