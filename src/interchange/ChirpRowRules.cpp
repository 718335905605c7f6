// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChirpRowRules.h"

#include "ChannelTable.h"
#include "FrequencyRules.h"
#include "SignallingTables.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace mz58::chirp {

constexpr Hertz kHertzPerUnit = 10; // a Frequency counts 10 Hz

std::string megahertzText(Hertz hz) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld.%06lld", hz / 1000000, hz % 1000000);
    return buffer;
}

Hertz hertzOf(Frequency frequency) {
    return static_cast<Hertz>(frequency) * kHertzPerUnit;
}

std::string ctcssValueText(int index) {
    std::string text = ctcssText(static_cast<unsigned>(index));
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

bool validCtcss(int index) {
    return index >= 1 && index <= kCtcssCount;
}
bool validDcs(int index) {
    return index >= 1 && index <= kDcsCount;
}

namespace {

constexpr std::string_view kDefaultCrossMode = "Tone->Tone";
// Below this many watts a power text means the low power level.
constexpr double kLowPowerBelowWatts = 2.0;

constexpr std::array<std::string_view, kFieldCount> kFieldNames{
    "Location",  "Frequency", "Duplex",       "Offset", "Tone", "rToneFreq",
    "cToneFreq", "DtcsCode",  "DtcsPolarity", "Mode",   "Name", "RxDtcsCode",
    "CrossMode", "TStep",     "Skip",         "Power"};

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

UserMessage refusal(StringId id, std::vector<std::string> args) {
    return {id, std::move(args), {}, Icon::Error};
}
UserMessage warning(StringId id, std::vector<std::string> args) {
    return {id, std::move(args), {}, Icon::Warning};
}

// A decimal number of MHz as whole hertz; digits beyond the hertz are dropped. None when the
// text is not a plain non-negative decimal number.
std::optional<Hertz> parseMegahertz(std::string_view text) {
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto digitsOnly = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    };
    if ((whole.empty() && fraction.empty()) || !digitsOnly(whole) || !digitsOnly(fraction) ||
        whole.size() > 6)
        return std::nullopt;
    Hertz hz = 0;
    for (char ch : whole)
        hz = hz * 10 + (ch - '0');
    for (std::size_t i = 0; i < 6; ++i)
        hz = hz * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    return hz;
}

// A whole decimal number (the text and nothing else).
std::optional<double> parseNumber(std::string_view text) {
    double value = 0;
    const auto end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The CTCSS index of a tone in Hz ("88.5", "88.50"); 0 when the list has no such tone.
int ctcssIndexOf(std::string_view text) {
    const auto value = parseNumber(text);
    if (!value)
        return 0;
    char wanted[32];
    std::snprintf(wanted, sizeof wanted, "%.1f", *value);
    for (int i = 1; i <= kCtcssCount; ++i) {
        if (ctcssValueText(i) == wanted)
            return i;
    }
    return 0;
}

// The DCS index of a code ("023" or "23"); 0 when the list has no such code.
int dcsIndexOf(std::string_view text) {
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '7'; }))
        return 0;
    const std::string code = std::string(3 - text.size(), '0') + std::string(text);
    for (int i = 1; i <= kDcsCount; ++i) {
        if (dcsText(static_cast<unsigned>(i)) == code)
            return i;
    }
    return 0;
}

struct Tones {
    int type = kToneNone;
    int rx = 0; // decode index
    int tx = 0; // encode index
};

// The tone settings of a row, or the reason the radio cannot hold them.
std::optional<Tones> rowTones(const Row& row, std::optional<UserMessage>& error) {
    const std::string tone = row[kTone];
    std::string cross = row[kCrossMode];
    if (cross.empty())
        cross = kDefaultCrossMode;
    const std::string polarity = row[kDtcsPolarity].empty() ? "NN" : row[kDtcsPolarity];

    const auto ctcss = [&](Field f, int& index) {
        index = ctcssIndexOf(row[f]);
        if (index == 0)
            error = refusal(msg::kCsvCtcssNotInList, {row[f]});
        return index != 0;
    };
    // CHIRP's polarity is two letters, transmit then receive; R takes the inverted code.
    const auto dcs = [&](Field f, std::size_t polarityIndex, int& index) {
        index = dcsIndexOf(row[f]);
        if (index == 0) {
            error = refusal(msg::kCsvDcsNotInList, {row[f]});
            return false;
        }
        if (polarity.size() != 2 || (polarity[0] != 'N' && polarity[0] != 'R') ||
            (polarity[1] != 'N' && polarity[1] != 'R')) {
            error = refusal(msg::kCsvDcsPolarityUnknown, {polarity});
            return false;
        }
        if (polarity[polarityIndex] == 'R')
            index = static_cast<int>(dcsInverse(static_cast<unsigned>(index)));
        return true;
    };
    const auto rxDcsField = row[kRxDtcsCode].empty() ? kDtcsCode : kRxDtcsCode;

    Tones t;
    if (tone.empty())
        return t;
    if (tone == "Tone") {
        t.type = kToneCtcss;
        return ctcss(kRToneFreq, t.tx) ? std::optional(t) : std::nullopt;
    }
    if (tone == "TSQL") {
        t.type = kToneCtcss;
        if (!ctcss(kCToneFreq, t.rx))
            return std::nullopt;
        t.tx = t.rx;
        return t;
    }
    if (tone == "DTCS") {
        t.type = kToneDcs;
        if (!dcs(kDtcsCode, 0, t.tx) || !dcs(kDtcsCode, 1, t.rx))
            return std::nullopt;
        return t;
    }
    if (tone != "Cross") {
        error = refusal(msg::kCsvToneModeUnknown, {tone});
        return std::nullopt;
    }
    const auto arrow = cross.find("->");
    const std::string sends = arrow == std::string::npos ? cross : cross.substr(0, arrow);
    const std::string listens = arrow == std::string::npos ? "" : cross.substr(arrow + 2);
    const bool known = arrow != std::string::npos &&
                       (sends.empty() || sends == "Tone" || sends == "DTCS") &&
                       (listens.empty() || listens == "Tone" || listens == "DTCS");
    if (!known || (sends.empty() && listens.empty())) {
        error = refusal(msg::kCsvCrossModeUnknown, {cross});
        return std::nullopt;
    }
    if (!sends.empty() && !listens.empty() && sends != listens) {
        error = refusal(msg::kCsvCrossModeMixed, {cross});
        return std::nullopt;
    }
    const bool isDcs = sends == "DTCS" || listens == "DTCS";
    t.type = isDcs ? kToneDcs : kToneCtcss;
    if (!sends.empty() && !(isDcs ? dcs(kDtcsCode, 0, t.tx) : ctcss(kRToneFreq, t.tx)))
        return std::nullopt;
    if (!listens.empty() && !(isDcs ? dcs(rxDcsField, 1, t.rx) : ctcss(kCToneFreq, t.rx)))
        return std::nullopt;
    return t;
}

// Whether the channel's tones do anything: a tone type with both tones off does not.
bool hasTone(const ChannelEntry& c) {
    if (c.toneType == kToneCtcss)
        return validCtcss(c.rxCtcss) || validCtcss(c.txCtcss);
    if (c.toneType == kToneDcs)
        return validDcs(c.rxDcs) || validDcs(c.txDcs);
    return false;
}

std::optional<UserMessage> outsideBand(Hertz hz, StringId id, const HardwareSettings& hardware) {
    const BandLimits& band = bandLimits(hardware.band);
    const double mhz = static_cast<double>(hz) / 1e6;
    if (mhz >= band.lower && mhz <= band.upper)
        return std::nullopt;
    char lower[16];
    char upper[16];
    std::snprintf(lower, sizeof lower, "%g", band.lower);
    std::snprintf(upper, sizeof upper, "%g", band.upper);
    return refusal(id, {megahertzText(hz), trimmed(band.name), lower, upper});
}

// The low-power flag a Power text stands for, and a warning when it is not High or Low.
int lowPowerOf(const std::string& text, int kept, std::vector<UserMessage>& warnings) {
    const std::string power = lowered(text);
    if (power.empty())
        return kept;
    if (power.starts_with('l'))
        return 1;
    if (power.starts_with('h'))
        return 0;
    // Watts as CHIRP writes them for radios with power levels: "5.0W", "0.5W", "4W".
    const auto w = power.back() == 'w' ? parseNumber(trimmed(power.substr(0, power.size() - 1)))
                                       : std::nullopt;
    if (w && *w >= 0) {
        const bool low = *w < kLowPowerBelowWatts;
        warnings.push_back(warning(low ? msg::kCsvPowerLow : msg::kCsvPowerHigh, {text}));
        return low ? 1 : 0;
    }
    warnings.push_back(warning(msg::kCsvPowerUnknown, {text}));
    return 0;
}

// The step select whose step TStep names (kHz, "12.50"), if it names one of the pair.
std::optional<int> namedStepSelect(const std::string& text, const HardwareSettings& hardware) {
    const auto khz = parseNumber(text);
    if (!khz)
        return std::nullopt;
    const long long units = std::llround(*khz * 100.0);
    for (int select : {0, 1}) {
        if (units == static_cast<long long>(hardware.step(select)))
            return select;
    }
    return std::nullopt;
}

bool holdsOn(Frequency frequency, int select, bool receive, const HardwareSettings& hardware) {
    return frequency % hardware.step(select) == 0 &&
           readBackFrequency(frequency, select, receive, hardware) == frequency;
}

// The first of the candidate step selects that holds the frequency; `fallback` (the grid's
// choice, which holds it) when none does.
int chooseStepSelect(Frequency frequency, bool receive,
                     std::initializer_list<std::optional<int>> candidates, int fallback,
                     const HardwareSettings& hardware) {
    for (const auto& select : candidates) {
        if (select && holdsOn(frequency, *select, receive, hardware))
            return *select;
    }
    return fallback;
}

} // namespace

std::optional<UserMessage> mapColumns(const CsvRecord& header, bool needLocation,
                                      ColumnMap& columns) {
    columns.fill(kAbsent);
    for (std::size_t col = 0; col < header.fields.size(); ++col) {
        const std::string name = lowered(trimmed(header.fields[col]));
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            if (columns[f] == kAbsent && lowered(std::string(kFieldNames[f])) == name)
                columns[f] = col;
        }
    }
    std::string missing;
    for (std::size_t f = needLocation ? 0 : 1; f < kRequiredFields; ++f) {
        if (columns[f] == kAbsent)
            missing += (missing.empty() ? "" : ", ") + std::string(kFieldNames[f]);
    }
    if (missing.empty())
        return std::nullopt;
    return refusal(msg::kCsvMissingColumns, {std::to_string(header.line), missing});
}

std::string Row::operator[](Field f) const {
    const std::size_t col = m_columns[f];
    return col < m_record.fields.size() ? trimmed(m_record.fields[col]) : std::string{};
}

std::optional<UserMessage> locationOf(const Row& row, int& channel) {
    const std::string text = row[kLocation];
    const auto end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, channel);
    if (text.empty() || ec != std::errc{} || ptr != end)
        return refusal(msg::kCsvLocationNotNumber, {text});
    if (channel < 1 || channel > kChannelCount)
        return refusal(msg::kCsvLocationNotChannel, {text});
    return std::nullopt;
}

RowEffect applyRow(const Row& row, const ChannelEntry& channel, const HardwareSettings& hardware) {
    RowEffect effect;
    effect.entry = channel;
    const auto refuse = [&effect](UserMessage message) {
        effect.refusal = std::move(message);
        return effect;
    };

    const std::string mode = row[kMode];
    if (mode != "FM" && mode != "NFM" && !mode.empty())
        return refuse(refusal(msg::kCsvModeNotHeld, {mode}));

    const auto rx = parseMegahertz(row[kFrequency]);
    if (!rx)
        return refuse(refusal(msg::kCsvFrequencyNotNumber, {row[kFrequency]}));
    const std::string duplex = row[kDuplex];
    const auto offset = parseMegahertz(row[kOffset].empty() ? "0" : row[kOffset]);
    if (!offset)
        return refuse(refusal(msg::kCsvOffsetNotNumber, {row[kOffset]}));
    Hertz tx = *rx;
    if (duplex == "+")
        tx = *rx + *offset;
    else if (duplex == "-")
        tx = *rx - *offset;
    else if (duplex == "split")
        tx = *offset;
    else if (!duplex.empty() && duplex != "off")
        return refuse(refusal(msg::kCsvDuplexUnknown, {duplex}));
    const bool inhibited = duplex == "off";

    std::optional<UserMessage> error;
    const auto tones = rowTones(row, error);
    if (!tones)
        return refuse(std::move(*error));
    if (auto out = outsideBand(*rx, msg::kCsvRxOutsideBand, hardware))
        return refuse(std::move(*out));
    if (auto out = outsideBand(tx, msg::kCsvTxOutsideBand, hardware))
        return refuse(std::move(*out));

    ChannelEntry& c = effect.entry;
    // The grid's two entries, as if typed: receive with the row's offset, then transmit.
    const double localOffset = static_cast<double>(tx - *rx) / 1e6;
    if (const auto refused = setRxFromText(c, megahertzText(*rx), hardware, localOffset))
        return refuse(frequencyRefusalMessage(*refused));
    const bool sameRx = c.rxFrequency == channel.rxFrequency;
    if (inhibited && sameRx) {
        // An inhibited transmitter keeps its own frequency for the day it transmits again.
        c.txFrequency = channel.txFrequency;
        c.txStepSelect = channel.txStepSelect;
    } else if (const auto refused = setTxFromText(c, megahertzText(tx), hardware)) {
        return refuse(frequencyRefusalMessage(*refused));
    }
    const auto moved = [&](StringId id, Hertz wanted, Frequency got) {
        if (hertzOf(got) == wanted)
            return;
        effect.warnings.push_back(
            warning(id, {megahertzText(wanted), trimmed(formatFrequency(got))}));
        effect.moved = true;
    };
    moved(msg::kCsvRxMoved, *rx, c.rxFrequency);
    if (!inhibited && tx != *rx)
        moved(msg::kCsvTxMoved, tx, c.txFrequency);

    // The step selects: TStep where it names a step that holds the frequency, else the
    // channel's own; the transmit side keeps its own first while its frequency stays.
    const auto named = namedStepSelect(row[kTStep], hardware);
    c.rxStepSelect = chooseStepSelect(c.rxFrequency, true, {named, channel.rxStepSelect},
                                      c.rxStepSelect, hardware);
    if (!(inhibited && sameRx)) {
        const bool sameTx = c.txFrequency == channel.txFrequency;
        const std::optional<int> own = channel.txStepSelect;
        c.txStepSelect =
            sameTx ? chooseStepSelect(c.txFrequency, false, {own, named}, c.txStepSelect, hardware)
                   : chooseStepSelect(c.txFrequency, false, {named, own}, c.txStepSelect, hardware);
    }
    if (sameRx)
        c.clockShift = channel.clockShift;

    c.txInhibit = inhibited ? 1 : 0;
    // A row without tones leaves a channel whose tones do nothing as it is.
    if (tones->type != kToneNone || hasTone(c)) {
        c.toneType = tones->type;
        c.rxCtcss = c.txCtcss = c.rxDcs = c.txDcs = 0;
        if (tones->type == kToneCtcss) {
            c.rxCtcss = tones->rx;
            c.txCtcss = tones->tx;
        } else if (tones->type == kToneDcs) {
            c.rxDcs = tones->rx;
            c.txDcs = tones->tx;
        }
    }
    // The out-of-range alert goes with DCS only.
    if (c.toneType != kToneDcs)
        c.outOfRangeAlert = 0;
    c.narrow = mode == "NFM" ? 1 : 0;
    c.scanMember = lowered(row[kSkip]) == "s" ? 0 : 1;
    c.lowPower = lowPowerOf(row[kPower], c.lowPower, effect.warnings);
    return effect;
}

} // namespace mz58::chirp
