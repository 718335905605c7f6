#include "ImageCodec.h"
#include "TestImages.h"

#include <gtest/gtest.h>

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
