// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsabilityWarnings.h"

#include "FrequencyRules.h"
#include "SignallingTables.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace mz58 {
namespace {

constexpr int kPowerLevelCount = 3;
constexpr int kBusyLockoutCount = 3;
constexpr int kChannelTypeCount = 10;

std::string trimmedFrequency(Frequency frequency) {
    std::string text = formatFrequency(frequency);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

std::string number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// "134–174": the band's limits as the warnings name them.
std::string bandRange(const BandLimits& limits) {
    return number("%g", limits.lower) + "\u2013" + number("%g", limits.upper);
}

struct Direction {
    bool receive;
    StringId outsideBand;
    StringId defaultNotHeld;
    StringId notHeld;
};
constexpr Direction kReceive{true, msg::kRxOutsideBand, msg::kRxDefaultNotHeld,
                             msg::kRxNotHeldOnOpen};
constexpr Direction kTransmit{false, msg::kTxOutsideBand, msg::kTxDefaultNotHeld,
                              msg::kTxNotHeldOnOpen};

class Findings {
public:
    explicit Findings(const ImageState& state) : m_state(state) {}

    void frequency(int channel, const Direction& d, Frequency f, int stepSelect,
                   std::optional<std::uint16_t> storedWord) {
        const HardwareSettings& hw = m_state.hardware;
        const BandLimits& limits = bandLimits(hw.band);
        const auto units = [](double mhz) { return static_cast<Frequency>(mhz * kUnitsPerMHz); };
        if (f < units(limits.lower) || f > units(limits.upper)) {
            add(d.outsideBand, channel, {trimmedFrequency(f), bandRange(limits)});
            return;
        }
        if (readBackFrequency(f, stepSelect, d.receive, hw) == f)
            return;
        // A record without a word shows the band's default, which this step cannot reach.
        const bool noWord = storedWord && (*storedWord >> 8) == 0;
        add(noWord ? d.defaultNotHeld : d.notHeld, channel,
            {trimmedFrequency(f), number("%g", hw.step(stepSelect) * 0.01)});
    }

    void tone(int channel, StringId id, int toneType, int index) {
        const int count = toneType == kToneDcs ? kDcsCount : kCtcssCount;
        if (index > count)
            add(id, channel,
                {toneType == kToneDcs ? "DCS" : "CTCSS", std::to_string(index),
                 std::to_string(count)});
    }

    void listValue(int channel, StringId id, int value, int count) {
        if (value < 0 || value >= count)
            add(id, channel, {std::to_string(value)});
    }

    void localOffset() {
        const BandLimits& limits = bandLimits(m_state.hardware.band);
        const double offset = m_state.localOffset;
        if (std::isfinite(offset) && std::fabs(offset) > limits.upper - limits.lower)
            m_found.push_back({msg::kOffsetBeyondBand,
                               {number("%.4f", offset), bandRange(limits)},
                               {},
                               Icon::Warning});
    }

    std::vector<UserMessage> take() { return std::move(m_found); }

private:
    void add(StringId id, int channel, std::vector<std::string> args) {
        args.insert(args.begin(), std::to_string(channel + 1));
        m_found.push_back({id, std::move(args), {}, Icon::Warning});
    }

    const ImageState& m_state;
    std::vector<UserMessage> m_found;
};

} // namespace

std::vector<UserMessage> usabilityWarnings(const ImageState& state) {
    Findings findings(state);
    for (int k = 0; k < kChannelCount; ++k) {
        const ChannelEntry& e = state.channels.entries[static_cast<std::size_t>(k)];
        if (!e.inUse)
            continue;
        findings.frequency(k, kReceive, e.rxFrequency, e.rxStepSelect, e.storedRxWord);
        if (!e.txInhibit)
            findings.frequency(k, kTransmit, e.txFrequency, e.txStepSelect, e.storedTxWord);
        if (e.toneType == kToneCtcss || e.toneType == kToneDcs) {
            const bool dcs = e.toneType == kToneDcs;
            findings.tone(k, msg::kDecodeToneBeyondList, e.toneType, dcs ? e.rxDcs : e.rxCtcss);
            findings.tone(k, msg::kEncodeToneBeyondList, e.toneType, dcs ? e.txDcs : e.txCtcss);
        }
        findings.listValue(k, msg::kPowerLevelBeyondList, e.lowPowerLevel, kPowerLevelCount);
        findings.listValue(k, msg::kBusyLockoutBeyondList, e.busyLockout, kBusyLockoutCount);
        findings.listValue(k, msg::kChannelTypeBeyondList, e.channelType, kChannelTypeCount);
    }
    findings.localOffset();
    return findings.take();
}

std::optional<UserMessage> usabilityWarning(const ImageState& state) {
    auto lines = usabilityWarnings(state);
    if (lines.empty())
        return std::nullopt;
    return UserMessage{msg::kUnusableValues, {}, {}, Icon::Warning, std::move(lines)};
}

void tellUsabilityWarnings(Prompter& prompter, const ImageState& state) {
    if (const auto warning = usabilityWarning(state))
        prompter.tell(*warning);
}

} // namespace mz58
