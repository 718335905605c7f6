// SPDX-License-Identifier: GPL-3.0-or-later
#include "HardwareSettings.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <tuple>

namespace mz58 {
namespace {

TEST(HardwareSettings, ReferenceDividersKeepTheirNeighbours) {
    struct Case {
        const char* name;
        int stepPair;
        double reference;
        unsigned r1, r2;
    };
    const Case cases[] = {
        {"12.8 MHz on 5/6.25 kHz", 0, 12.8, 2560, 2048},
        {"VHF default 21.25 MHz", 0, 21.25, 4250, 3400},
        {"UHF default 14.5 MHz on 10/12.5 kHz", 2, 14.5, 1450, 1160},
        {"rounds half up", 1, 12.8, 2560, 1707}, // 12.8 / 0.0075 = 1706.67
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image{};
        image[42] = 0xE0; // squelch delay bits must survive
        image[44] = 0xE0; // step pair and offset flag bits are rewritten by their own fields
        const HardwareSettings hw{.stepPair = c.stepPair,
                                  .dividerOffset = 1,
                                  .reference = c.reference,
                                  .squelchDelay = 7};
        hw.encode(image);
        EXPECT_EQ(((image[42] & 0x1F) << 8) | image[43], c.r1);
        EXPECT_EQ(((image[44] & 0x1F) << 8) | image[45], c.r2);
        EXPECT_EQ(image[42] >> 5, 7);
        EXPECT_EQ(image[44] >> 6, c.stepPair);
        EXPECT_EQ((image[44] >> 5) & 1, 1);

        HardwareSettings back;
        back.decode(image);
        EXPECT_DOUBLE_EQ(back.reference, c.r1 * (kStepPairs[c.stepPair].first * 0.00001));
    }
}

TEST(HardwareSettings, BandIsDecodedFromByte47) {
    struct Case {
        std::uint8_t byte47;
        int band;
        double firstIf;
    };
    const Case cases[] = {{0x56, kUhf, 43.95}, {0x57, kVhf, 21.7},  {0x2B, kUhf, 43.95},
                          {0xF4, kVhf, 21.7},  {0x00, kUhf, 43.95}, {0xFF, kVhf, 21.7}};
    for (const auto& c : cases) {
        RadioImage image{};
        image[47] = c.byte47;
        HardwareSettings hw;
        hw.decode(image);
        EXPECT_EQ(hw.band, c.band) << int(c.byte47);
        EXPECT_DOUBLE_EQ(hw.firstIf, c.firstIf);
    }
}

TEST(HardwareSettings, BandConstantsAndFixedBitsOfByte48) {
    struct Case {
        int band, injection;
        std::uint8_t byte48Before;
        std::array<std::uint8_t, 4> bytes46To49;
    };
    const Case cases[] = {
        {kUhf, 0, 0xFF, {0x11, 0x2B, 0x0D, 0xBC}},
        {kUhf, 1, 0x00, {0x11, 0x2B, 0x8D, 0xBC}},
        {kVhf, 0, 0x72, {0x10, 0xF4, 0x0D, 0x90}},
    };
    for (const auto& c : cases) {
        RadioImage image{};
        image[48] = c.byte48Before;
        HardwareSettings{.band = c.band, .injection = c.injection}.encode(image);
        EXPECT_EQ((std::array<std::uint8_t, 4>{image[46], image[47], image[48], image[49]}),
                  c.bytes46To49);
    }
}

TEST(HardwareSettings, SquelchAndPolarityFields) {
    RadioImage image{};
    // DCS receive normal, transmit inverted.
    const HardwareSettings hw{
        .dcsPolarity = 0x01, .squelchRelease = 60, .squelchAttack = 9, .squelchHysteresis = 15};
    hw.encode(image);
    EXPECT_EQ(image[50], 0x40 | 60);
    EXPECT_EQ(image[51], 0x9F);

    HardwareSettings back;
    back.decode(image);
    const auto fields = [](const HardwareSettings& h) {
        return std::tie(h.dcsPolarity, h.squelchRelease, h.squelchAttack, h.squelchHysteresis);
    };
    EXPECT_EQ(fields(back), fields(hw));
}

// The band's own values are in the fresh images (FileVerbsTest's golden file); a band change keeps
// the rest.
TEST(HardwareSettings, BandChangeKeepsTheSquelchDelay) {
    LocalOffset offset = -1;
    HardwareSettings hw;
    hw.squelchDelay = 5;
    hw.resetToBand(kUhf, offset);
    EXPECT_EQ(hw.squelchDelay, 5);
    EXPECT_DOUBLE_EQ(offset, 5.0);
}

} // namespace
} // namespace mz58
