// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageCodec.h"
#include "CellText.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace mz58 {
namespace {

struct Range {
    std::size_t first, last;
};

// Bytes that no field owns, and bytes that encode all must not touch (owned by dialogs, or the
// radio's alignment data).
constexpr Range kUnowned[] = {{0, 25},    {40, 40},   {52, 59},   {266, 266},
                              {288, 293}, {296, 296}, {342, 348}, {352, 511}};
constexpr Range kNotRewritten[] = {{26, 27}, {41, 41}, {60, 73}, {267, 287}, {294, 343}};

void expectRangesEqual(const RadioImage& a, const RadioImage& b, std::span<const Range> ranges) {
    for (const auto& r : ranges) {
        for (std::size_t i = r.first; i <= r.last; ++i)
            EXPECT_EQ(a[i], b[i]) << "byte " << i;
    }
}

// Every channel member that decode gives back after an encode; the alignment fields and the
// RX tuning value are derived again on encode, and an inhibited channel's TX is not shown.
auto keptFields(const ChannelEntry& e) {
    return std::make_tuple(e.rxFrequency, e.txInhibit ? Frequency{0} : e.txFrequency, e.txInhibit,
                           e.toneType, e.rxCtcss, e.txCtcss, e.rxDcs, e.txDcs, e.rxSave, e.txSave,
                           e.lowPower, e.lowPowerLevel, e.clockShift, e.totEnabled, e.busyLockout,
                           e.squelchLevel, e.aniEnabled, e.encryption, e.outOfRangeAlert,
                           e.callCode, e.inUse, e.narrow, e.scanMember, e.groupScanMember,
                           e.channelType, e.rxStepSelect, e.txStepSelect, e.spareFlag);
}

void expectSameChannels(const ChannelTable& a, const ChannelTable& b) {
    for (std::size_t i = 0; i < a.entries.size(); ++i)
        EXPECT_EQ(keptFields(a.entries[i]), keptFields(b.entries[i])) << "channel " << i;
}

TEST(ImageCodec, RoundTripOfRandomImagesKeepsUnownedBytesAndValues) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        ImageState state;
        state.image = test::randomImage(seed);
        // Random bytes, but with the divider offset flag that goes with the band, as in every
        // radio: without it a band's own frequencies have no 16-bit divider word.
        const bool uhf = HardwareSettings::decodeBand(state.image) == kUhf;
        state.image[44] = static_cast<std::uint8_t>((state.image[44] & ~0x20) | (uhf ? 0x20 : 0));
        const RadioImage original = state.image;
        ImageCodec::decodeAll(state);
        const ImageState decoded = state;

        ImageCodec::encodeAll(state);
        expectRangesEqual(state.image, original, kUnowned);
        expectRangesEqual(state.image, original, kNotRewritten);

        // Reserved bits of every record come out clear.
        for (int k = 0; k < kChannelCount; ++k) {
            EXPECT_EQ(state.image[kFirstRecord + 12 * k] & 0x40, 0);
            EXPECT_EQ(state.image[kFirstRecord + 12 * k + 11] & 0x80, 0);
        }

        ImageState again = state;
        ImageCodec::decodeAll(again);
        const auto hardware = [](const HardwareSettings& h) {
            return std::tie(h.band, h.stepPair, h.injection, h.dcsPolarity, h.squelchRelease);
        };
        EXPECT_EQ(hardware(again.hardware), hardware(decoded.hardware));
        EXPECT_EQ(again.serialNumber, decoded.serialNumber);
        EXPECT_EQ(again.optionUnit, decoded.optionUnit);
        expectSameChannels(again.channels, decoded.channels);

        // Once saved, opening and saving again changes nothing. (The first save may still move
        // alignment values: an inhibited channel's hidden TX becomes its RX.)
        ImageCodec::encodeAll(again);
        const RadioImage secondSave = again.image;
        ImageCodec::decodeAll(again);
        ImageCodec::encodeAll(again);
        EXPECT_EQ(again.image, secondSave);
    }
}

// Every grid cell of the 16 channels, as `mz58 channels` prints them.
std::vector<std::array<std::string, kColumnCount>> gridCells(const ChannelTable& table) {
    std::vector<std::array<std::string, kColumnCount>> rows;
    for (int i = 0; i < kChannelCount; ++i)
        rows.push_back(rowTexts(table.entries[static_cast<std::size_t>(i)], i % kChannelsPerBank));
    return rows;
}

// Opens `image` as File > Open does (a fresh state, then decode all).
ImageState opened(const RadioImage& image) {
    ImageState state;
    ImageCodec::resetAll(state);
    state.image = image;
    ImageCodec::decodeAll(state);
    return state;
}

unsigned wordAt(const RadioImage& image, int channel, std::size_t offset) {
    const std::size_t at = kFirstRecord + kChannelRecordSize * static_cast<std::size_t>(channel);
    return image[at + offset] * 256u + image[at + offset + 1];
}

// Open then Save never changes what the grid shows, whatever the bytes (no divider offset flag
// to match the band here: every byte pattern is somebody's file). The divider words are
// written back as they were read; only an inhibited channel's TX word becomes the marker
// that tells the radio not to transmit.
TEST(ImageCodec, OpenThenSaveKeepsEveryCellAndEveryDividerWord) {
    int bandDefaultsKept = 0;
    for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const RadioImage original = test::randomImage(seed);
        ImageState state = opened(original);
        const auto cellsBefore = gridCells(state.channels);

        ImageCodec::encodeAll(state);
        const ImageState reopened = opened(state.image);
        EXPECT_EQ(gridCells(reopened.channels), cellsBefore);
        for (int k = 0; k < kChannelCount; ++k) {
            EXPECT_EQ(wordAt(state.image, k, 6), wordAt(original, k, 6)) << "RX word, ch " << k;
            if (!state.channels.entries[static_cast<std::size_t>(k)].txInhibit) {
                EXPECT_EQ(wordAt(state.image, k, 8), wordAt(original, k, 8)) << "TX word, ch " << k;
            }
            bandDefaultsKept += original[kFirstRecord + kChannelRecordSize * k + 6] == 0;
        }

        ImageState again = reopened;
        ImageCodec::encodeAll(again);
        const RadioImage secondSave = again.image;
        ImageCodec::encodeAll(again = opened(secondSave));
        EXPECT_EQ(again.image, secondSave) << "a saved file saves unchanged";
    }
    EXPECT_GT(bandDefaultsKept, 20) << "the images must hold channels without a receive word";
}

// The two files that came back from Save with other frequencies: a band default that the
// channel's step cannot reach again.
TEST(ImageCodec, BandDefaultOnAStepThatCannotHoldItSurvivesSave) {
    struct Case {
        const char* name;
        int band;
        int channel;
        std::size_t byte; // record byte set to 0
        Column column;
        int stepBits;          // byte 1 bits 7..6 (the step selects), -1 keeps them
        int byte44;            // -1 keeps the band's hardware byte
        const char* shown;     // before and after Save
        std::uint8_t wordHigh; // the word's high byte after Save
    };
    const Case cases[] = {
        {"UHF ch 12, no RX word, 12.5 kHz", kUhf, 11, 6, Column::Receive, 0x80, -1, "450.00000", 0},
        {"VHF ch 7, no TX word, pair 1 with divider offset", kVhf, 6, 8, Column::Transmit, -1, 0x78,
         "150.00000", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImageState fresh = test::freshState(c.band);
        RadioImage image = fresh.image;
        const std::size_t record =
            kFirstRecord + kChannelRecordSize * static_cast<std::size_t>(c.channel);
        image[record + c.byte] = 0;
        if (c.stepBits >= 0)
            image[record + 1] = static_cast<std::uint8_t>((image[record + 1] & 0x3F) | c.stepBits);
        if (c.byte44 >= 0)
            image[44] = static_cast<std::uint8_t>(c.byte44);
        ImageState state = opened(image);
        const auto& entry = state.channels.entries[static_cast<std::size_t>(c.channel)];
        EXPECT_EQ(cellText(entry, c.channel % kChannelsPerBank, c.column), c.shown);

        ImageCodec::encodeAll(state);
        EXPECT_EQ(state.image[record + c.byte], c.wordHigh);
        const ImageState reopened = opened(state.image);
        EXPECT_EQ(cellText(reopened.channels.entries[static_cast<std::size_t>(c.channel)],
                           c.channel % kChannelsPerBank, c.column),
                  c.shown);
    }
}

// A TX word on the inhibit marker of a channel that transmits stands for "TX = RX"; Save keeps
// the marker rather than storing the RX frequency's own word.
TEST(ImageCodec, MarkerWordOfATransmittingChannelSurvivesSave) {
    RadioImage image = test::freshState(kVhf).image;
    const std::size_t record = kFirstRecord + kChannelRecordSize * 2;
    image[record + 8] = 0x27; // 10000 x 5 kHz = 50 MHz, the VHF marker
    image[record + 9] = 0x10;
    ImageState state = opened(image);
    EXPECT_EQ(cellText(state.channels.entries[2], 2, Column::Transmit), "150.00000");
    ImageCodec::encodeAll(state);
    EXPECT_EQ(wordAt(state.image, 2, 8), 0x2710u);
}

// The stored word is only kept while it stands for the frequency: an edited frequency, another
// step pair or a band change store the word of the frequency shown.
TEST(ImageCodec, EditedFrequencyOrStepPairGetsItsOwnWord) {
    struct Case {
        const char* name;
        std::function<void(ImageState&)> edit;
        unsigned rxWord; // channel 1 after Save
        const char* rx;
    };
    const Case cases[] = {
        {"nothing edited", [](ImageState&) {}, 0x643C, "150.00000"},
        {"RX typed", [](ImageState& s) { s.channels.entries[0].rxFrequency = 14652000; }, 0x6184,
         "146.52000"},
        {"pair 10/12.5 kHz", [](ImageState& s) { s.hardware.stepPair = 2; }, 0x321E, "150.00000"},
        {"band change", [](ImageState& s) { ImageCodec::changeBand(s, kUhf); }, 0x1E9D,
         "450.00000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImageState state = opened(test::freshState(kVhf).image);
        c.edit(state);
        ImageCodec::encodeAll(state);
        EXPECT_EQ(wordAt(state.image, 0, 6), c.rxWord);
        EXPECT_EQ(cellText(opened(state.image).channels.entries[0], 0, Column::Receive), c.rx);
    }
}

// The fresh images of both bands, byte by byte, are in the dump verb's golden file
// (tests/data/cli/fresh-files.txt).

TEST(ImageCodec, FirmwareVersionText) {
    struct Case {
        std::uint8_t b0, b1;
        const char* text;
    };
    // Nibbles above 9 are not BCD; they still give a defined number rather than garbage.
    const Case cases[] = {
        {0x01, 0x06, "1.06"}, {0x12, 0x34, "12.34"}, {0x00, 0x00, "0.00"}, {0xFF, 0xFF, "166.65"}};
    for (const auto& c : cases) {
        RadioImage image{};
        image[0] = c.b0;
        image[1] = c.b1;
        EXPECT_EQ(firmwareVersionText(image), c.text);
    }
}

TEST(ImageCodec, OptionUnitChangeIsNoticed) {
    ImageState state = test::freshState();
    state.optionUnitChanged = false;
    ImageCodec::decodeAll(state);
    EXPECT_FALSE(state.optionUnitChanged);

    state.image[26] = static_cast<std::uint8_t>((state.image[26] & ~0x7C) | (5 << 3));
    ImageCodec::decodeAll(state);
    EXPECT_EQ(state.optionUnit.type, OptionUnit::kTrunk);
    EXPECT_TRUE(state.optionUnitChanged);

    state.image[26] |= 0x04; // "no unit" wins over the type bits
    ImageCodec::decodeAll(state);
    EXPECT_EQ(state.optionUnit.type, OptionUnit::kNone);
}

TEST(ImageCodec, TwoToneFlagIsSetOnlyForTheTwoToneUnit) {
    ImageState state = test::freshState();
    state.image[268] = 0x00; // tones in groups 1 and 2
    state.image[269] = 0x0A;
    ImageCodec::decodeAll(state);
    EXPECT_FALSE(state.twoToneUserDefined) << "page codes are not 2-tone codes";

    state.image[26] = static_cast<std::uint8_t>((state.image[26] & 0x83) | (1 << 3));
    ImageCodec::decodeAll(state);
    EXPECT_TRUE(state.twoToneUserDefined);

    state.image[269] = 0x09;
    ImageCodec::decodeAll(state);
    EXPECT_TRUE(state.twoToneUserDefined) << "decoding never clears the flag";

    ImageCodec::resetAll(state);
    EXPECT_FALSE(state.twoToneUserDefined);
}

} // namespace
} // namespace mz58
