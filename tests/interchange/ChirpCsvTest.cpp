// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChirpCsv.h"
#include "CellText.h"
#include "CsvReader.h"
#include "Golden.h"
#include "TestImages.h"

#include <gtest/gtest.h>

namespace mz58 {
namespace {

constexpr int kTone100 = 13; // CTCSS 100.0
constexpr int kTone67 = 1;   // CTCSS 67.0
constexpr int kDcs043 = 7;
constexpr int kDcs023 = 1;

// The fields of an exported row from Duplex to CrossMode, and Mode, Skip, Power.
std::string exportedFields(const ChannelEntry& channel) {
    ImageState state = test::freshState();
    state.channels.entries[0] = channel;
    const auto records = readCsv(exportChirpCsv(state));
    const auto& f = records.at(1).fields;
    std::string text;
    for (std::size_t col : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15})
        text += f.at(col) + (col == 15 ? "" : "|");
    return text;
}

// Each tone mode, duplex and option exported: the fields from Duplex to CrossMode, and Mode,
// Skip and Power, in tests/data/image/chirp-export.txt.
TEST(ChirpExport, Rows) {
    const struct {
        const char* name;
        void (*set)(ChannelEntry&);
    } cases[] = {
        {"NoTone", [](ChannelEntry&) {}},
        {"CtcssBothOff", [](ChannelEntry& c) { c.toneType = kToneCtcss; }},
        {"EncodeOnlyIsTone",
         [](ChannelEntry& c) { c.toneType = kToneCtcss, c.txCtcss = kTone100; }},
        {"EqualIsTsql",
         [](ChannelEntry& c) { c.toneType = kToneCtcss, c.txCtcss = c.rxCtcss = kTone100; }},
        {"DecodeOnlyIsCrossToTone",
         [](ChannelEntry& c) { c.toneType = kToneCtcss, c.rxCtcss = 1; }},
        {"DifferentIsToneToTone",
         [](ChannelEntry& c) {
             c.toneType = kToneCtcss, c.txCtcss = kTone100, c.rxCtcss = kTone67;
         }},
        {"EqualIsDtcs",
         [](ChannelEntry& c) { c.toneType = kToneDcs, c.txDcs = c.rxDcs = kDcs043; }},
        {"EncodeOnlyIsDtcsTo", [](ChannelEntry& c) { c.toneType = kToneDcs, c.txDcs = kDcs043; }},
        {"DecodeOnlyIsToDtcs", [](ChannelEntry& c) { c.toneType = kToneDcs, c.rxDcs = kDcs043; }},
        {"DifferentIsDtcsToDtcs",
         [](ChannelEntry& c) { c.toneType = kToneDcs, c.txDcs = kDcs043, c.rxDcs = kDcs023; }},
        {"TxBelowIsMinus", [](ChannelEntry& c) { c.txFrequency = 14940000; }},
        {"TxAboveIsPlus", [](ChannelEntry& c) { c.txFrequency = 15500000; }},
        {"InhibitedIsOff", [](ChannelEntry& c) { c.txInhibit = 1, c.txFrequency = 15500000; }},
        {"NarrowScanLow", [](ChannelEntry& c) { c.narrow = 1, c.scanMember = 1, c.lowPower = 1; }},
    };
    std::string out;
    for (const auto& c : cases) {
        ChannelEntry channel = test::freshState().channels.entries[0];
        c.set(channel);
        out += std::string(c.name) + ": " + exportedFields(channel) + "\n";
    }
    test::expectGolden("image/chirp-export.txt", out);
}

TEST(ChirpExport, OnlyChannelsInUseWithReceiveFrequencyAndCrLf) {
    ImageState state = test::freshState();
    state.channels.entries[1].inUse = 0;
    state.channels.entries[2].rxFrequency = 0;
    const std::string csv = exportChirpCsv(state);
    EXPECT_EQ(csv.substr(0, kChirpCsvHeader.size() + 2), std::string(kChirpCsvHeader) + "\r\n");
    const auto records = readCsv(csv);
    ASSERT_EQ(records.size(), 15u);
    EXPECT_EQ(records[1].fields[0], "1");
    EXPECT_EQ(records[2].fields[0], "4");
    EXPECT_EQ(records[1].fields[2], "150.000000");
    EXPECT_EQ(records[1].fields[13], "5.00") << "receive step of pair 0, first step";
}

// Written by hand as CHIRP writes it (byte order mark, CR LF), with rows the radio cannot hold.
const std::string kMixedCsv = test::testData("image/chirp-mixed.csv");

const std::vector<std::string> kMixedErrors{
    "line 3: Location 17 is not a channel of the radio (1..16)",
    "line 5: RX 88.000000 MHz is outside the VHF band (134..174 MHz)",
    "line 6: the mode AM cannot be held: the radio has FM and NFM only",
    "line 7: the CTCSS tone 69.4 Hz is not in the radio's list",
    "line 9: the cross mode Tone->DTCS mixes CTCSS and DCS; a channel holds one tone type",
};

std::vector<std::string> texts(const std::vector<CsvLineMessage>& messages) {
    std::vector<std::string> out;
    for (const auto& m : messages)
        out.push_back(lineMessageText(m, false));
    return out;
}

std::string cells(const ImageState& state, int channel, std::initializer_list<Column> columns) {
    std::string text;
    for (Column col : columns)
        text +=
            cellText(state.channels.entries[static_cast<std::size_t>(channel - 1)], 0, col) + "|";
    return text;
}

TEST(ChirpImport, MixedRowsAreRefusedWholeWithoutSkip) {
    ImageState state = test::freshState();
    const std::string before = exportChirpCsv(state);
    const auto result = importChirpCsv(kMixedCsv, state);
    EXPECT_EQ(texts(result.errors), kMixedErrors);
    EXPECT_TRUE(result.failed());
    EXPECT_EQ(exportChirpCsv(state), before) << "nothing imported";
}

TEST(ChirpImport, SkipInvalidImportsTheValidRows) {
    ImageState state = test::freshState();
    const auto result = importChirpCsv(kMixedCsv, state, InvalidRows::Skip);
    EXPECT_EQ(texts(result.errors), kMixedErrors);
    EXPECT_EQ(result.imported, (std::vector<int>{1, 2, 3, 8}));
    EXPECT_EQ(texts(result.warnings),
              std::vector<std::string>{
                  "line 4: RX 145.523000 MHz is not on the channel steps: taken as 145.52500 MHz"});
    const std::string report = importReportText(result);
    EXPECT_EQ(report.substr(0, report.find('\n')),
              "line 3: Location 17 is not a channel of the radio (1..16) (row skipped)")
        << "the command line's report";
    using C = Column;
    const auto columns = {C::Width,      C::Receive,    C::Transmit, C::ToneType,
                          C::DecodeTone, C::EncodeTone, C::Scan,     C::Power};
    EXPECT_EQ(cells(state, 1, columns), "W|146.94000|146.34000|CTCSS|Off|100.0|v|H|");
    EXPECT_EQ(cells(state, 2, columns), "N|145.52500|145.52500|CTCSS|100.0|100.0|-|L|");
    EXPECT_EQ(cells(state, 3, columns), "W|147.00000|147.60000|DCS|047|047|v|H|")
        << "reversed polarity takes the inverted code";
    EXPECT_EQ(cells(state, 8, columns), "W|146.00000|---.-----|DCS|116|023|v|H|");
    EXPECT_EQ(cells(state, 4, columns), "W|150.00000|150.00000|-----|-----|-----|-|H|")
        << "a skipped row leaves its channel";
}

TEST(ChirpImport, FrequencyTheChannelCannotHoldIsRefused) {
    ImageState state = test::freshState(kUhf);
    const std::string csv = std::string(kChirpCsvHeader) +
                            "\n1,,446.025000,,0.000000,,88.5,88.5,023,NN,023,,FM,,,,,,,,\n";
    const auto result = importChirpCsv(csv, state);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].line, 2);
    EXPECT_NE(messageText(result.errors[0].message).find("446.02500 MHz cannot be stored"),
              std::string::npos);
}

TEST(ChirpImport, BandEdgesAreHeldAndOneStepPastIsRefused) {
    ImageState state = test::freshState();
    std::string csv = std::string(kChirpCsvHeader) + "\n";
    int location = 0;
    for (const char* rx : {"134.000000", "174.000000", "174.006250", "133.993750"})
        csv += std::to_string(++location) + ",," + rx +
               ",,0.000000,,88.5,88.5,023,NN,023,,FM,,,,,,,,\n";
    const auto result = importChirpCsv(csv, state, InvalidRows::Skip);
    EXPECT_EQ(result.imported, (std::vector<int>{1, 2}));
    ASSERT_EQ(result.errors.size(), 2u);
    EXPECT_EQ(result.errors[0].line, 4);
    EXPECT_EQ(result.errors[1].line, 5);
    EXPECT_EQ(cells(state, 2, {Column::Receive}), "174.00000|");
}

TEST(ChirpImport, ColumnsInAnyOrderAndMissingColumnsNamed) {
    ImageState state = test::freshState();
    const auto ok = importChirpCsv("Mode,DtcsPolarity,DtcsCode,cToneFreq,rToneFreq,Tone,Offset,"
                                   "Duplex,Frequency,Location\nFM,NN,023,88.5,88.5,,0,,146.52,9\n",
                                   state);
    EXPECT_EQ(ok.imported, std::vector<int>{9});
    EXPECT_EQ(cells(state, 9, {Column::Receive}), "146.52000|");
    const auto bad = importChirpCsv("Location,Frequency\n1,146.52\n", state);
    ASSERT_TRUE(bad.fileError);
    EXPECT_EQ(messageText(*bad.fileError),
              "line 1: not a CHIRP CSV header; missing column(s) Duplex, Offset, "
              "Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, Mode");
}

} // namespace
} // namespace mz58
