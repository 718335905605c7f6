// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChirpCsv.h"

#include "ChirpRowRules.h"
#include "SignallingTables.h"

#include <cstdio>

namespace mz58 {
namespace {

using chirp::ctcssValueText;
using chirp::Hertz;
using chirp::hertzOf;
using chirp::megahertzText;
using chirp::validCtcss;
using chirp::validDcs;

// CHIRP's values for tone fields a row does not use.
constexpr std::string_view kDefaultTone = "88.5";
constexpr std::string_view kDefaultDcs = "023";
constexpr std::string_view kDefaultCrossMode = "Tone->Tone";

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

} // namespace mz58
