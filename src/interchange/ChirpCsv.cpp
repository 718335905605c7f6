#include "ChirpCsv.h"

#include "CsvReader.h"
#include "FrequencyRules.h"
#include "SignallingTables.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>

namespace mz58 {
namespace {

using Hertz = long long;
constexpr Hertz kHertzPerUnit = 10; // a Frequency counts 10 Hz

// CHIRP's values for tone fields a row does not use.
constexpr std::string_view kDefaultTone = "88.5";
constexpr std::string_view kDefaultDcs = "023";
constexpr std::string_view kDefaultCrossMode = "Tone->Tone";

std::string megahertzText(Hertz hz) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld.%06lld", hz / 1000000, hz % 1000000);
    return buffer;
}

Hertz hertzOf(Frequency frequency) {
    return static_cast<Hertz>(frequency) * kHertzPerUnit;
}

// The tone text of the table without its leading blank (" 67.0" -> "67.0").
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

// --- export -------------------------------------------------------------------------------

struct ToneColumns {
    std::string tone;
    std::string rToneFreq{kDefaultTone};
    std::string cToneFreq{kDefaultTone};
    std::string dtcsCode{kDefaultDcs};
    std::string rxDtcsCode{kDefaultDcs};
    std::string crossMode{kDefaultCrossMode};
};

// The radio's encode tone is what it transmits (CHIRP's rToneFreq, DtcsCode), its decode tone
// what opens its squelch (cToneFreq, RxDtcsCode). A stored index beyond the lists counts as off.
ToneColumns toneColumns(const ChannelEntry& c) {
    ToneColumns t;
    if (c.toneType == kToneCtcss) {
        const bool enc = validCtcss(c.txCtcss);
        const bool dec = validCtcss(c.rxCtcss);
        if (enc)
            t.rToneFreq = ctcssValueText(c.txCtcss);
        if (dec)
            t.cToneFreq = ctcssValueText(c.rxCtcss);
        if (enc && dec && c.txCtcss == c.rxCtcss) {
            t.tone = "TSQL";
        } else if (enc && !dec) {
            t.tone = "Tone";
        } else if (dec) {
            t.tone = "Cross";
            t.crossMode = enc ? "Tone->Tone" : "->Tone";
        }
    } else if (c.toneType == kToneDcs) {
        const bool enc = validDcs(c.txDcs);
        const bool dec = validDcs(c.rxDcs);
        if (enc)
            t.dtcsCode = dcsText(static_cast<unsigned>(c.txDcs));
        if (dec)
            t.rxDtcsCode = dcsText(static_cast<unsigned>(c.rxDcs));
        if (enc && dec && c.txDcs == c.rxDcs) {
            t.tone = "DTCS";
        } else if (enc || dec) {
            t.tone = "Cross";
            t.crossMode = !dec ? "DTCS->" : (!enc ? "->DTCS" : "DTCS->DTCS");
        }
    }
    return t;
}

std::string exportRow(const ChannelEntry& c, int location, const HardwareSettings& hardware) {
    const Hertz rx = hertzOf(c.rxFrequency);
    const Hertz tx = hertzOf(c.txFrequency);
    std::string duplex;
    Hertz offset = 0;
    if (c.txInhibit) {
        duplex = "off";
    } else if (tx != rx) {
        duplex = tx > rx ? "+" : "-";
        offset = tx > rx ? tx - rx : rx - tx;
    }
    const ToneColumns t = toneColumns(c);
    char step[16];
    std::snprintf(step, sizeof step, "%.2f", hardware.step(c.rxStepSelect) * 0.01);

    std::string row = std::to_string(location) + ",," + megahertzText(rx) + "," + duplex + "," +
                      megahertzText(offset) + "," + t.tone + "," + t.rToneFreq + "," + t.cToneFreq +
                      "," + t.dtcsCode + ",NN," + t.rxDtcsCode + "," + t.crossMode + "," +
                      (c.narrow ? "NFM" : "FM") + "," + step + "," +
                      ((c.scanMember & 1) ? "" : "S") + "," + (c.lowPower ? "Low" : "High") +
                      ",,,,,";
    return row;
}

// --- import -------------------------------------------------------------------------------

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

enum Field : std::size_t {
    kLocation,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kMode,
    // optional columns
    kRxDtcsCode,
    kCrossMode,
    kSkip,
    kPower,
    kFieldCount
};
constexpr std::size_t kRequiredFields = kRxDtcsCode;
constexpr std::array<std::string_view, kFieldCount> kFieldNames{
    "Location", "Frequency",    "Duplex", "Offset",     "Tone",      "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "Mode",   "RxDtcsCode", "CrossMode", "Skip",      "Power"};

constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

// One CSV row's fields by name.
class Row {
public:
    Row(const CsvRecord& record, const std::array<std::size_t, kFieldCount>& columns)
        : m_record(record), m_columns(columns) {}
    std::string operator[](Field f) const {
        const std::size_t col = m_columns[f];
        return col < m_record.fields.size() ? trimmed(m_record.fields[col]) : std::string{};
    }

private:
    const CsvRecord& m_record;
    const std::array<std::size_t, kFieldCount>& m_columns;
};

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

// The CTCSS index of a tone in Hz ("88.5", "88.50"); 0 when the list has no such tone.
int ctcssIndexOf(std::string_view text) {
    double value = 0;
    const auto end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end || text.empty())
        return 0;
    char wanted[32];
    std::snprintf(wanted, sizeof wanted, "%.1f", value);
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
std::optional<Tones> rowTones(const Row& row, std::string& error) {
    const std::string tone = row[kTone];
    std::string cross = row[kCrossMode];
    if (cross.empty())
        cross = kDefaultCrossMode;
    const std::string polarity = row[kDtcsPolarity].empty() ? "NN" : row[kDtcsPolarity];

    const auto ctcss = [&](Field f, int& index) {
        index = ctcssIndexOf(row[f]);
        if (index == 0)
            error = "the CTCSS tone " + row[f] + " Hz is not in the radio's list";
        return index != 0;
    };
    // CHIRP's polarity is two letters, transmit then receive; R takes the inverted code.
    const auto dcs = [&](Field f, std::size_t polarityIndex, int& index) {
        index = dcsIndexOf(row[f]);
        if (index == 0) {
            error = "the DCS code " + row[f] + " is not in the radio's list";
            return false;
        }
        if (polarity.size() != 2 || (polarity[0] != 'N' && polarity[0] != 'R') ||
            (polarity[1] != 'N' && polarity[1] != 'R')) {
            error = "the DCS polarity " + polarity + " is not NN, NR, RN or RR";
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
        error = "the tone mode " + tone + " is not one of Tone, TSQL, DTCS, Cross";
        return std::nullopt;
    }
    const auto arrow = cross.find("->");
    const std::string sends = arrow == std::string::npos ? cross : cross.substr(0, arrow);
    const std::string listens = arrow == std::string::npos ? "" : cross.substr(arrow + 2);
    const bool known = arrow != std::string::npos &&
                       (sends.empty() || sends == "Tone" || sends == "DTCS") &&
                       (listens.empty() || listens == "Tone" || listens == "DTCS");
    if (!known || (sends.empty() && listens.empty())) {
        error = "the cross mode " + cross + " is not one the radio knows";
        return std::nullopt;
    }
    if (!sends.empty() && !listens.empty() && sends != listens) {
        error = "the cross mode " + cross + " mixes CTCSS and DCS; a channel holds one tone type";
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

struct Importer {
    ImageState& state;
    std::array<ChannelEntry, kChannelCount> channels;
    ChirpImportResult result;

    // Checks that a frequency lies in the band; the message names it otherwise.
    bool inBand(Hertz hz, const char* what, std::string& error) const {
        const BandLimits& band = bandLimits(state.hardware.band);
        const double mhz = static_cast<double>(hz) / 1e6;
        if (mhz >= band.lower && mhz <= band.upper)
            return true;
        char text[128];
        std::snprintf(text, sizeof text, "%s %s MHz is outside the %s band (%g..%g MHz)", what,
                      megahertzText(hz).c_str(), trimmed(band.name).c_str(), band.lower,
                      band.upper);
        error = text;
        return false;
    }

    void warnIfMoved(int line, const char* what, Hertz wanted, Frequency got) {
        if (hertzOf(got) == wanted)
            return;
        result.warnings.push_back({line, std::string(what) + " " + megahertzText(wanted) +
                                             " MHz is not on the channel steps: taken as " +
                                             trimmed(formatFrequency(got)) + " MHz"});
    }

    // Applies one row to its channel of `channels`; the reason when the radio cannot hold it.
    std::optional<std::string> apply(const Row& row, int line, std::vector<int>& taken) {
        const std::string locationText = row[kLocation];
        int location = 0;
        const auto end = locationText.data() + locationText.size();
        const auto [ptr, ec] = std::from_chars(locationText.data(), end, location);
        if (locationText.empty() || ec != std::errc{} || ptr != end)
            return "Location " + locationText + " is not a number";
        if (location < 1 || location > kChannelCount)
            return "Location " + locationText + " is not a channel of the radio (1..16)";
        if (std::find(taken.begin(), taken.end(), location) != taken.end())
            return "Location " + locationText + " appears on an earlier line too";

        const std::string mode = row[kMode];
        if (mode != "FM" && mode != "NFM" && !mode.empty())
            return "the mode " + mode + " cannot be held: the radio has FM and NFM only";

        const auto rx = parseMegahertz(row[kFrequency]);
        if (!rx)
            return "the frequency " + row[kFrequency] + " is not a number of MHz";
        const std::string duplex = row[kDuplex];
        const auto offset = parseMegahertz(row[kOffset].empty() ? "0" : row[kOffset]);
        if (!offset)
            return "the offset " + row[kOffset] + " is not a number of MHz";
        Hertz tx = *rx;
        if (duplex == "+")
            tx = *rx + *offset;
        else if (duplex == "-")
            tx = *rx - *offset;
        else if (duplex == "split")
            tx = *offset;
        else if (!duplex.empty() && duplex != "off")
            return "the duplex " + duplex + " is not one of +, -, split, off";

        std::string error;
        const auto tones = rowTones(row, error);
        if (!tones)
            return error;
        if (!inBand(*rx, "RX", error) || !inBand(tx, "TX", error))
            return error;

        ChannelEntry c = channels[static_cast<std::size_t>(location - 1)];
        // The grid's two entries, as if typed: receive with the row's offset, then transmit.
        const double localOffset = static_cast<double>(tx - *rx) / 1e6;
        if (const auto refused = setRxFromText(c, megahertzText(*rx), state.hardware, localOffset))
            return messageText(frequencyRefusalMessage(*refused));
        if (const auto refused = setTxFromText(c, megahertzText(tx), state.hardware))
            return messageText(frequencyRefusalMessage(*refused));
        warnIfMoved(line, "RX", *rx, c.rxFrequency);
        if (duplex != "off" && tx != *rx)
            warnIfMoved(line, "TX", tx, c.txFrequency);

        c.txInhibit = duplex == "off" ? 1 : 0;
        c.toneType = tones->type;
        c.rxCtcss = c.txCtcss = c.rxDcs = c.txDcs = 0;
        if (tones->type == kToneCtcss) {
            c.rxCtcss = tones->rx;
            c.txCtcss = tones->tx;
        } else if (tones->type == kToneDcs) {
            c.rxDcs = tones->rx;
            c.txDcs = tones->tx;
        }
        // The out-of-range alert goes with DCS only.
        if (tones->type != kToneDcs)
            c.outOfRangeAlert = 0;
        c.narrow = mode == "NFM" ? 1 : 0;
        const std::string skip = lowered(row[kSkip]);
        c.scanMember = skip == "s" ? 0 : 1;
        c.lowPower = lowered(row[kPower]).starts_with('l') ? 1 : 0;

        channels[static_cast<std::size_t>(location - 1)] = c;
        taken.push_back(location);
        return std::nullopt;
    }
};

} // namespace

std::string exportChirpCsv(const ImageState& state) {
    std::string csv(kChirpCsvHeader);
    csv += "\r\n";
    for (int i = 0; i < kChannelCount; ++i) {
        const ChannelEntry& c = state.channels.entries[static_cast<std::size_t>(i)];
        if (!c.inUse || c.rxFrequency == 0)
            continue;
        csv += exportRow(c, i + 1, state.hardware);
        csv += "\r\n";
    }
    return csv;
}

ChirpImportResult importChirpCsv(std::string_view csv, ImageState& state, InvalidRows invalidRows) {
    Importer importer{state, state.channels.entries, {}};
    ChirpImportResult& result = importer.result;

    const std::vector<CsvRecord> records = readCsv(csv);
    if (records.empty()) {
        result.fileError = "the file holds no CSV header";
        return result;
    }
    std::array<std::size_t, kFieldCount> columns;
    columns.fill(kAbsent);
    const CsvRecord& header = records.front();
    for (std::size_t col = 0; col < header.fields.size(); ++col) {
        const std::string name = lowered(trimmed(header.fields[col]));
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            if (columns[f] == kAbsent && lowered(std::string(kFieldNames[f])) == name)
                columns[f] = col;
        }
    }
    std::string missing;
    for (std::size_t f = 0; f < kRequiredFields; ++f) {
        if (columns[f] == kAbsent)
            missing += (missing.empty() ? "" : ", ") + std::string(kFieldNames[f]);
    }
    if (!missing.empty()) {
        result.fileError = "line " + std::to_string(header.line) +
                           ": not a CHIRP CSV header; missing column(s) " + missing;
        return result;
    }
    if (records.size() == 1) {
        result.fileError = "the file holds no channel row";
        return result;
    }

    std::vector<int> taken;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Row row(records[r], columns);
        if (auto error = importer.apply(row, records[r].line, taken))
            result.errors.push_back({records[r].line, std::move(*error)});
    }
    if (!result.errors.empty() && invalidRows == InvalidRows::Refuse) {
        result.warnings.clear();
        return result;
    }
    result.imported = taken;
    if (!taken.empty())
        state.channels.entries = importer.channels;
    return result;
}

std::string importReportText(const ChirpImportResult& result) {
    std::string text;
    if (!result.fileError.empty())
        text += result.fileError + "\n";
    const bool skipped = !result.imported.empty();
    for (const auto& e : result.errors)
        text += "line " + std::to_string(e.line) + ": " + e.text +
                (skipped ? " (row skipped)\n" : "\n");
    for (const auto& w : result.warnings)
        text += "line " + std::to_string(w.line) + ": " + w.text + "\n";
    return text;
}

} // namespace mz58
