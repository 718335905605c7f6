// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrequencyRules.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace mz58 {
namespace {

using test::hardwareFor;

TEST(FrequencyRules, SnapToStepGrid) {
    struct Case {
        const char* name;
        int band, pair;
        double in, out;
        int select;
    };
    const Case cases[] = {
        {"below VHF is clamped", kVhf, 0, 100.0, 134.0, 1},
        {"above UHF is clamped", kUhf, 0, 600.0, 512.0, 1},
        {"multiple of 6.25 kHz takes the second step", kVhf, 0, 145.025, 145.025, 1},
        {"multiple of 5 kHz only takes the first", kVhf, 0, 145.020, 145.020, 0},
        {"tie between next points takes the first", kVhf, 0, 145.0211, 145.025, 0},
        {"nearer next point on 10 kHz", kVhf, 2, 146.004, 146.010, 0},
        {"nearer next point on 12.5 kHz", kVhf, 2, 146.0115, 146.0125, 1},
        {"off both grids always moves up", kVhf, 3, 146.001953125, 146.0025, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        double f = c.in;
        EXPECT_EQ(snapToStepGrid(hardwareFor(c.band, c.pair), f), c.select);
        EXPECT_NEAR(f, c.out, 1e-9);
    }
}

TEST(FrequencyRules, SnapNeverFailsOnNonNumbers) {
    const HardwareSettings hw = hardwareFor(kVhf, 0);
    for (double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        double f = bad;
        snapToStepGrid(hw, f);
        EXPECT_TRUE(f >= 134.0 - 1e-9 && f <= 174.0 + 1e-9) << bad;
    }
}

TEST(FrequencyRules, ClockHarmonics) {
    struct Case {
        double mhz;
        bool harmonic;
    };
    const Case cases[] = {
        {143.182, true}, // 160 x 894886.25 Hz = 143.1818 MHz
        {143.200, true}, // inside the widened window of about 21.8 kHz
        {143.500, false}, {0.0, false}, {150.0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isClockHarmonic(c.mhz), c.harmonic) << c.mhz;
}

TEST(FrequencyRules, LeadingDecimal) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"146.52", 146.52}, {"  146.52MHz", 146.52},
        {"440", 440.0},     {".5", 0.5},
        {"-5", -5.0},       {"+7.5", 7.5},
        {"abc", 0.0},       {"", 0.0},
        {"nan", 0.0},       {"inf", 0.0},
        {"1e400", 1e6},     {"146.52.3", 146.52},
        {"1e300", 1e6},     {"-1e300", -1e6},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingDecimal(c.text), c.value) << c.text;
}

TEST(FrequencyRules, SetRxFromText) {
    struct Case {
        const char* name;
        int band, pair;
        LocalOffset offset;
        const char* text;
        Frequency rx, tx;
        int rxSelect, clockShift;
    };
    const Case cases[] = {
        {"UHF 12.5 kHz would wrap: 10 kHz", kUhf, 2, 5.0, "440.000", 44000000, 44500000, 0, 0},
        {"VHF simplex", kVhf, 0, 0.0, "146.52", 14652000, 14652000, 0, 0},
        {"second step", kVhf, 0, 0.0, "145.025", 14502500, 14502500, 1, 0},
        {"clock harmonic", kVhf, 0, 0.0, "143.2", 14320000, 14320000, 0, 1},
        {"clamped typing", kVhf, 0, 0.0, "99", 13400000, 13400000, 1, 0},
        {"no number at all", kVhf, 0, 0.0, "xyz", 13400000, 13400000, 1, 0},
        {"negative offset", kVhf, 0, -0.6, "146.94", 14694000, 14634000, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChannelEntry ch;
        ch.inUse = 0;
        EXPECT_FALSE(setRxFromText(ch, c.text, hardwareFor(c.band, c.pair), c.offset));
        EXPECT_EQ(ch.inUse, 1);
        EXPECT_EQ(ch.rxFrequency, c.rx);
        EXPECT_EQ(ch.txFrequency, c.tx);
        EXPECT_EQ(ch.rxStepSelect, c.rxSelect);
        EXPECT_EQ(ch.clockShift, c.clockShift);
    }
}

TEST(FrequencyRules, SetRxWithADamagedOffsetStaysInBand) {
    ChannelEntry ch;
    EXPECT_FALSE(setRxFromText(ch, "146.52", hardwareFor(kVhf, 0),
                               std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(ch.rxFrequency, 14652000u);
    EXPECT_EQ(ch.txFrequency, 13400000u);
}

TEST(FrequencyRules, SetTxFromText) {
    const HardwareSettings hw = hardwareFor(kVhf, 0);
    ChannelEntry ch;
    ch.txFrequency = 14502500;
    EXPECT_FALSE(setTxFromText(ch, kInhibitedTxText, hw));
    EXPECT_EQ(ch.txStepSelect, 1);
    EXPECT_NEAR(ch.txFrequency, 14502500.0, 1.0) << "kept and only re-snapped";

    EXPECT_FALSE(setTxFromText(ch, "147.0211", hw));
    EXPECT_EQ(ch.txStepSelect, 0);
    EXPECT_NEAR(ch.txFrequency, 14702500.0, 1.0);
}

// A frequency enters a channel only when the record gives it back: the divider word, after the
// offset subtraction, must lie in 256..65535, and the IF must not move it off the step.
TEST(FrequencyRules, EntriesTheChannelCannotHoldAreRefused) {
    struct Case {
        const char* name;
        int band, pair, dividerOffset;
        bool receive;
        const char* text;
        int select;         // the step taken; -1 refused
        Frequency readBack; // refused: what the radio would have read
    };
    const Case cases[] = {
        // UHF band defaults: 10/12.5 kHz, offset flag set, IF 43.95 MHz below.
        {"12.5 kHz RX word below 0 wraps", kUhf, 2, 1, true, "446.025", -1, 126522500},
        {"RX word 255 reads as band default", kUhf, 2, 1, true, "456.7375", -1, 45000000},
        {"RX word 257 is the lowest held", kUhf, 2, 1, true, "456.7625", 1, 0},
        {"12.5 kHz cannot, 10 kHz can", kUhf, 2, 1, true, "450.000", 0, 0},
        {"TX word below 0 wraps", kUhf, 2, 1, false, "409.5875", -1, 122878750},
        {"TX word 255 reads as band default", kUhf, 2, 1, false, "412.7875", -1, 45000000},
        {"TX word 256 is the lowest held", kUhf, 2, 1, false, "412.800", 1, 0},
        {"TX 10 kHz fallback below the 12.5 kHz edge", kUhf, 2, 1, false, "410.000", 0, 0},
        {"5 kHz TX word 65535 is the highest held", kUhf, 0, 1, false, "491.515", 0, 0},
        {"5 kHz TX word 65536 is cut to 0", kUhf, 0, 1, false, "491.520", -1, 45000000},
        {"5 kHz words above 65535 without offset", kUhf, 0, 0, false, "440.010", -1, 11233000},
        // VHF: the 21.7 MHz IF is no multiple of 7.5 kHz.
        {"7.5 kHz RX falls back to 5 kHz", kVhf, 1, 0, true, "146.94", 0, 0},
        {"7.5 kHz RX with no 5 kHz grid", kVhf, 3, 0, true, "146.94", -1, 14693500},
        {"7.5 kHz TX has no IF", kVhf, 3, 0, false, "146.94", 1, 0},
        {"VHF with offset: lowest 5 kHz TX", kVhf, 0, 1, false, "165.120", 0, 0},
        {"VHF with offset: one step lower", kVhf, 0, 1, false, "165.115", -1, 15000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HardwareSettings hw = hardwareFor(c.band, c.pair);
        hw.dividerOffset = c.dividerOffset;
        ChannelEntry ch;
        ch.inUse = 0;
        const ChannelEntry before = ch;
        const auto refused =
            c.receive ? setRxFromText(ch, c.text, hw, 0.0) : setTxFromText(ch, c.text, hw);
        if (c.select < 0) {
            ASSERT_TRUE(refused);
            EXPECT_EQ(refused->readBack, c.readBack);
            EXPECT_EQ(ch.inUse, before.inUse) << "a refused entry changes nothing";
            EXPECT_EQ(ch.rxFrequency, before.rxFrequency);
            EXPECT_EQ(ch.txFrequency, before.txFrequency);
            EXPECT_NE(messageText(frequencyRefusalMessage(*refused)).find(c.text),
                      std::string::npos)
                << messageText(frequencyRefusalMessage(*refused));
            continue;
        }
        ASSERT_FALSE(refused) << messageText(frequencyRefusalMessage(*refused));
        EXPECT_EQ(c.receive ? ch.rxStepSelect : ch.txStepSelect, c.select);
        const Frequency entered = c.receive ? ch.rxFrequency : ch.txFrequency;
        EXPECT_EQ(readBackFrequency(entered, c.select, c.receive, hw), entered);
    }
}

} // namespace
} // namespace mz58
