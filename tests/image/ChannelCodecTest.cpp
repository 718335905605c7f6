// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelTable.h"
#include "Golden.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <tuple>

namespace mz58 {
namespace {

using test::hardwareFor;

struct Encoded {
    std::array<std::uint8_t, kChannelRecordSize> bytes{};
    ChannelEntry entry;
};

Encoded encodeEntry(ChannelEntry entry, const HardwareSettings& hw, AlignmentData alignment = {}) {
    Encoded e;
    entry.encode(ChannelRecord(e.bytes), hw, alignment);
    e.entry = entry;
    return e;
}

ChannelEntry decodeBytes(const std::array<std::uint8_t, kChannelRecordSize>& bytes,
                         const ChannelDecodeContext& context) {
    ChannelEntry e;
    e.decode(ConstChannelRecord(bytes), context);
    return e;
}

TEST(ChannelCodec, DividerWordsRoundTrip) {
    struct Case {
        const char* name;
        int band, injection, stepSelect;
        Frequency rx;
        std::uint8_t byte6, byte7;
    };
    const Case cases[] = {
        // (14652000 - 2170000) / 500 = 24964
        {"VHF lower 146.52", kVhf, 0, 0, 14652000, 0x61, 0x84},
        // (14502500 - 2170000) / 625 = 19732
        {"VHF second step 145.025", kVhf, 0, 1, 14502500, 0x4D, 0x14},
        // (14652000 + 2170000) / 500 = 33644
        {"VHF upper injection", kVhf, 1, 0, 14652000, 0x83, 0x6C},
        // (45000000 - 4395000) / 1000 = 40605, minus the 32768 offset = 7837
        {"UHF with divider offset", kUhf, 0, 0, 45000000, 0x1E, 0x9D},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HardwareSettings hw = hardwareFor(c.band, -1, c.injection);
        const Encoded e = encodeEntry(
            {.rxFrequency = c.rx, .txFrequency = c.rx, .rxStepSelect = c.stepSelect}, hw);
        EXPECT_EQ(e.bytes[6], c.byte6);
        EXPECT_EQ(e.bytes[7], c.byte7);
        EXPECT_EQ(decodeBytes(e.bytes, {hw, false, false, 0}).rxFrequency, c.rx);
    }
}

TEST(ChannelCodec, LastDigitCorrections) {
    const HardwareSettings hw = hardwareFor(kVhf);
    struct Case {
        Frequency typed, meant;
    };
    const Case cases[] = {{14501249, 14501250}, {14501244, 14501245}, {14652009, 14652010}};
    for (const auto& c : cases) {
        for (int select = 0; select < 2; ++select) {
            ChannelEntry a, b;
            a.rxFrequency = a.txFrequency = c.typed;
            b.rxFrequency = b.txFrequency = c.meant;
            a.rxStepSelect = a.txStepSelect = b.rxStepSelect = b.txStepSelect = select;
            EXPECT_EQ(encodeEntry(a, hw).bytes, encodeEntry(b, hw).bytes) << c.typed;
        }
    }
}

TEST(ChannelCodec, TransmitInhibitMarkers) {
    struct Case {
        const char* name;
        int band;
        std::uint8_t byte8, byte9;
        Frequency decodedTx; // the offset flag of UHF moves the word off its marker
    };
    const Case cases[] = {
        {"VHF 5000000 / 500", kVhf, 0x27, 0x10, 14652000},
        {"UHF 30000000 / 1000, offset flag set", kUhf, 0x75, 0x30, (30000u + 32768u) * 1000u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HardwareSettings hw = hardwareFor(c.band);
        // The TX frequency is ignored while inhibited.
        const Encoded e =
            encodeEntry({.rxFrequency = 14652000, .txFrequency = 12345675, .txInhibit = 1}, hw);
        EXPECT_EQ(e.bytes[8], c.byte8);
        EXPECT_EQ(e.bytes[9], c.byte9);
        EXPECT_EQ(e.bytes[0] & 0x20, 0x20);

        const ChannelEntry back = decodeBytes(e.bytes, {hw, false, false, 0});
        EXPECT_EQ(back.txInhibit, 1);
        EXPECT_EQ(back.txFrequency, c.decodedTx);
    }
}

TEST(ChannelCodec, InhibitFlagComesFromByteZeroNotFromTheMarker) {
    const HardwareSettings hw = hardwareFor(kVhf);
    std::array<std::uint8_t, kChannelRecordSize> bytes{};
    bytes[0] = 0x80; // in use, transmit allowed
    bytes[6] = 0x61;
    bytes[7] = 0x84;
    bytes[8] = 0x27; // the VHF marker word
    bytes[9] = 0x10;
    const ChannelEntry e = decodeBytes(bytes, {hw, false, false, 0});
    EXPECT_EQ(e.txInhibit, 0);
    EXPECT_EQ(e.txFrequency, e.rxFrequency);
}

TEST(ChannelCodec, EmptyFrequencyBytesGiveTheBandDefault) {
    for (int band : {kVhf, kUhf}) {
        const HardwareSettings hw = hardwareFor(band);
        std::array<std::uint8_t, kChannelRecordSize> bytes{};
        bytes[0] = 0x00; // not in use
        bytes[7] = 0x55; // ignored while byte 6 is 0
        bytes[9] = 0x66; // ignored while byte 8 is 0
        const ChannelEntry e = decodeBytes(bytes, {hw, false, false, 0});
        EXPECT_EQ(e.rxFrequency, bandDefaultFrequency(band));
        EXPECT_EQ(e.txFrequency, bandDefaultFrequency(band));
        EXPECT_EQ(e.inUse, 0);
    }
}

std::string toneText(const ChannelEntry& e) {
    return "type " + std::to_string(e.toneType) + " ctcss " + std::to_string(e.rxCtcss) + "/" +
           std::to_string(e.txCtcss) + " dcs " + std::to_string(e.rxDcs) + "/" +
           std::to_string(e.txDcs) + " save " + std::to_string(e.txSave) + " code " +
           std::to_string(e.callCode);
}

// image/channel-tones.txt: each entry's tone fields, bytes 1 to 5 of its record and what reads
// back; then stored call code bytes and the code read in each context.
TEST(ChannelCodec, TonesAndCallCodes) {
    const HardwareSettings hw = hardwareFor(kVhf);
    std::ostringstream out;
    out << "tone fields (type 0 none, 1 CTCSS, 2 DCS; rx/tx) -> bytes 1-5 -> read back\n";
    const std::array<int, 7> tones[] = {
        {kToneDcs, 0, 0, 5, 0, 1, 0},     {kToneCtcss, 1, 0, 0, 0, 0, 0},
        {kToneCtcss, 40, 50, 0, 0, 0, 3}, {kToneDcs, 0, 0, 104, 1, 0, 10},
        {kToneNone, 7, 7, 7, 7, 0, 1},
    };
    for (const auto& t : tones) {
        ChannelEntry entry;
        std::tie(entry.toneType, entry.rxCtcss, entry.txCtcss, entry.rxDcs, entry.txDcs,
                 entry.txSave, entry.callCode) = std::tuple_cat(t);
        const Encoded e = encodeEntry(entry, hw);
        out << toneText(entry) << " -> ";
        for (std::size_t k = 1; k <= 5; ++k)
            out << std::hex << std::uppercase << std::setw(2) << std::setfill('0')
                << int(e.bytes[k]) << std::dec << ' ';
        out << "-> " << toneText(decodeBytes(e.bytes, {hw, false, false, 0})) << '\n';
    }
    out << "\nbyte 3, DTMF board absent, option unit -> call code\n";
    const std::array<int, 3> codes[] = {{0x19, 0, 0}, {0x1A, 0, 0}, {0x1F, 0, 0},
                                        {0x09, 0, 0}, {0x12, 1, 0}, {0x12, 1, 1}};
    for (const auto& c : codes) {
        std::array<std::uint8_t, kChannelRecordSize> bytes{};
        bytes[3] = std::uint8_t(c[0]);
        const ChannelEntry e = decodeBytes(bytes, {hw, false, c[1] != 0, c[2]});
        out << std::hex << std::uppercase << std::setw(2) << std::setfill('0') << c[0] << std::dec
            << ' ' << c[1] << ' ' << c[2] << " -> " << e.callCode << '\n';
    }
    test::expectGolden("image/channel-tones.txt", out.str());
}

TEST(ChannelCodec, EncryptionHiddenWithoutTheDevice) {
    const HardwareSettings hw = hardwareFor(kVhf);
    std::array<std::uint8_t, kChannelRecordSize> bytes{};
    bytes[0] = 0x90;
    EXPECT_EQ(decodeBytes(bytes, {hw, false, false, 0}).encryption, 1);
    EXPECT_EQ(decodeBytes(bytes, {hw, true, false, 0}).encryption, 0);
}

AlignmentData sampleAlignment() {
    AlignmentData a;
    a.boundaries = {136, 140, 145, 150, 155, 160, 165, 170, 175, 0, 0};
    for (std::size_t k = 0; k < AlignmentData::kSegmentCount; ++k) {
        a.valuesAbc[k] = static_cast<std::uint8_t>(0x40 * (k % 4) + 8 * (k % 8) + k % 8);
        a.valuesD[k] = static_cast<std::uint8_t>(0xF8 | (7 - k % 8)); // high bits unused
    }
    a.tuneBaseFrequency = 1450; // 145.0 MHz
    a.tuneBaseValue = 64;
    a.tuneSlopeAbove = 20;
    a.tuneSlopeAtOrBelow = 10;
    return a;
}

TEST(ChannelCodec, AlignmentSegmentOfTheTransmitFrequency) {
    const HardwareSettings hw = hardwareFor(kVhf);
    const AlignmentData a = sampleAlignment();
    struct Case {
        const char* name;
        AlignmentData alignment;
        Frequency tx;
        int segment; // -1: none
    };
    const Case cases[] = {
        {"inside segment 0", a, 13800000, 0},
        {"shared boundary 140: the later segment wins", a, 14000000, 1},
        {"fraction of a MHz counts by whole MHz", a, 14099999, 1},
        {"upper boundary of segment 7", a, 17500000, 7},
        {"below every segment", a, 13400000, -1},
        // A fresh image has every alignment byte 0: segment 0 to 0 covers only below 1 MHz.
        {"all-zero table", AlignmentData{}, 15000000, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The alignment fields are replaced on encode.
        const ChannelEntry entry{.rxFrequency = 14652000,
                                 .txFrequency = c.tx,
                                 .alignA = 3,
                                 .alignB = 3,
                                 .alignC = 3,
                                 .alignD = 3};
        const Encoded e = encodeEntry(entry, hw, c.alignment);
        const auto k = static_cast<std::size_t>(c.segment);
        const int abc = c.segment < 0 ? 0 : c.alignment.valuesAbc[k];
        const int d = c.segment < 0 ? 0 : c.alignment.valuesD[k] & 7;
        EXPECT_EQ(e.bytes[2], abc);
        EXPECT_EQ(e.entry.alignA, abc & 7);
        EXPECT_EQ((e.bytes[11] >> 4) & 7, d);
        EXPECT_EQ(e.entry.alignD, d);
    }
}

TEST(ChannelCodec, RxTuningValue) {
    const AlignmentData a = sampleAlignment();
    struct Case {
        Frequency rx;
        int rxTune;
    };
    const Case cases[] = {
        {14652000, 67},  // (146.52 - 145.0) * 0.1 * 20 = 3.04 -> 3 + 64
        {14500000, 64},  // at the base: slope below, 0
        {14000000, 59},  // (140 - 145) * 0.1 * 10 = -5
        {14495000, 64},  // -0.05 truncates toward zero, not down to -1
        {10000000, 19},  // -45 + 64
        {17400000, 122}, // 29 * 0.1 * 20 = 58
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChannelEntry::rxTuneFor(c.rx, a), c.rxTune) << c.rx;

    AlignmentData wrap = a;
    wrap.tuneBaseValue = 2;
    EXPECT_EQ(ChannelEntry::rxTuneFor(10000000, wrap), 213) << "taken modulo 256";

    const Encoded e =
        encodeEntry({.rxFrequency = 10000000, .spareFlag = 1}, hardwareFor(kVhf), wrap);
    EXPECT_EQ(e.bytes[10], 0x80 | (213 & 0x7F));
}

TEST(ChannelTable, PerBankMasksAndTypes) {
    ImageState state = test::freshState();
    auto& entries = state.channels.entries;
    for (auto& e : entries)
        e.groupScanMember = 1;
    entries[0].scanMember = 1;
    entries[1].scanMember = 0;
    entries[2].groupScanMember = 0;
    entries[9].groupScanMember = 0;
    entries[8].scanMember = 1;
    entries[3].channelType = 9;
    entries[15].channelType = 8;
    ImageCodec::encodeAll(state);

    EXPECT_EQ(state.image[28], 0xFE); // every bank A channel but 1 skips scan
    EXPECT_EQ(state.image[29], 0x20); // channel 3 skips group scan: bit 7 - 2
    EXPECT_EQ(state.image[31], 0x29); // channels 3 and 4: types 2 and 9
    EXPECT_EQ(state.image[34], 0xFE);
    EXPECT_EQ(state.image[35], 0x40);
    EXPECT_EQ(state.image[39], 0x68);

    state.image[74] &= 0x7F; // channel A1 no longer in use: not a scan member either
    ImageCodec::decodeAll(state);
    EXPECT_EQ(entries[0].scanMember, 0);
    EXPECT_EQ(entries[8].scanMember, 1);
    EXPECT_EQ(entries[2].groupScanMember, 0);
    EXPECT_EQ(entries[3].groupScanMember, 1);
    EXPECT_EQ(entries[3].channelType, 9);
    EXPECT_EQ(entries[15].channelType, 8);
}

TEST(ChannelTable, ClearCodeReferencesRewritesOnlyThatField) {
    ImageState state = test::freshState();
    auto& entries = state.channels.entries;
    entries[1].callCode = 3;
    entries[1].aniEnabled = 1;
    entries[12].callCode = 3;
    entries[5].callCode = 4;
    ImageCodec::encodeAll(state);
    const RadioImage before = state.image;

    state.channels.clearCodeReferences(3, state.image);
    EXPECT_EQ(entries[1].callCode, 0);
    EXPECT_EQ(entries[12].callCode, 0);
    EXPECT_EQ(entries[5].callCode, 4);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool codeByte = i == kFirstRecord + 12 * 1 + 3 || i == kFirstRecord + 12 * 12 + 3;
        if (!codeByte) {
            EXPECT_EQ(state.image[i], before[i]) << i;
        }
    }
    EXPECT_EQ(state.image[kFirstRecord + 12 + 3], 0x80) << "ANI bit kept";
}

// A band change of the whole table is checked with the image (SettingsDialogRulesTest).

} // namespace
} // namespace mz58
