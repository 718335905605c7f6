#include "FrequencyRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace mz58 {
namespace {

HardwareSettings hardwareFor(int band, int stepPair) {
    HardwareSettings hw;
    LocalOffset offset = 0;
    hw.resetToBand(band, offset);
    hw.stepPair = stepPair;
    return hw;
}

TEST(FrequencyRules, SnapToStepGrid) {
    struct Case {
        const char* name;
        int band;
        int pair;
        double in;
        double out;
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
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingDecimal(c.text), c.value) << c.text;
}

TEST(FrequencyRules, SetRxFromText) {
    struct Case {
        const char* name;
        int band;
        int pair;
        LocalOffset offset;
        const char* text;
        Frequency rx;
        Frequency tx;
        int rxSelect;
        int clockShift;
    };
    const Case cases[] = {
        {"UHF with 5 MHz offset", kUhf, 2, 5.0, "440.000", 44000000, 44500000, 1, 0},
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
        setRxFromText(ch, c.text, hardwareFor(c.band, c.pair), c.offset);
        EXPECT_EQ(ch.inUse, 1);
        EXPECT_EQ(ch.rxFrequency, c.rx);
        EXPECT_EQ(ch.txFrequency, c.tx);
        EXPECT_EQ(ch.rxStepSelect, c.rxSelect);
        EXPECT_EQ(ch.clockShift, c.clockShift);
    }
}

TEST(FrequencyRules, SetRxWithADamagedOffsetStaysInBand) {
    ChannelEntry ch;
    setRxFromText(ch, "146.52", hardwareFor(kVhf, 0), std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(ch.rxFrequency, 14652000u);
    EXPECT_EQ(ch.txFrequency, 13400000u);
}

TEST(FrequencyRules, SetTxFromText) {
    const HardwareSettings hw = hardwareFor(kVhf, 0);
    ChannelEntry ch;
    ch.txFrequency = 14502500;
    setTxFromText(ch, kInhibitedTxText, hw);
    EXPECT_EQ(ch.txStepSelect, 1);
    EXPECT_NEAR(ch.txFrequency, 14502500.0, 1.0) << "kept and only re-snapped";

    setTxFromText(ch, "147.0211", hw);
    EXPECT_EQ(ch.txStepSelect, 0);
    EXPECT_NEAR(ch.txFrequency, 14702500.0, 1.0);
}

} // namespace
} // namespace mz58
