#include "SettingsDialogRules.h"
#include "ChannelEntry.h"
#include "FunctionSettings.h"
#include "ImageCodec.h"
#include "SerialNumber.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace mz58;
using namespace mz58::dialogrules;

namespace {

ImageState freshState() {
    ImageState s;
    ImageCodec::resetAll(s);
    return s;
}

struct ReferenceCase {
    const char* name;
    int stepPair;
    double typed;
    double stored;
};

TEST(SettingsDialogRules, ReferenceIsLimitedByTheDivider) {
    const ReferenceCase cases[] = {
        {"pair 2 (10 kHz)", 2, 99.99, 81.0},
        {"pair 0 (5 kHz)", 0, 99.99, 40.0},
        {"pair 3 (6.25 kHz)", 3, 60.0, 51.0},
        {"fits", 0, 21.25, 21.25},
    };
    for (const auto& c : cases) {
        HardwareSettings hw;
        hw.stepPair = c.stepPair;
        EXPECT_DOUBLE_EQ(clampReference(c.typed, hw), c.stored) << c.name;
    }
}

TEST(SettingsDialogRules, BandChangeToUhfKeepsEveryChannelStorable) {
    ImageState s = freshState();
    s.channels.entries[3].inUse = 0;
    s.channels.entries[5].rxStepSelect = s.channels.entries[5].txStepSelect = 1;
    ImageCodec::changeBand(s, kUhf);
    ImageCodec::encodeAll(s);
    EXPECT_EQ(s.image[47], 0x2B);
    EXPECT_EQ(s.hardware.stepPair, 2);
    EXPECT_DOUBLE_EQ(s.localOffset, 5.0);
    ImageCodec::decodeAll(s);
    for (const auto& e : s.channels.entries) {
        EXPECT_EQ(e.inUse, 1);
        EXPECT_EQ(e.rxFrequency, 45000000u);
        EXPECT_EQ(e.txFrequency, 45000000u);
    }
}

TEST(SettingsDialogRules, ListsFollowOtherSettings) {
    EXPECT_EQ(priorityChannelTexts(true).size(), 8u);
    ASSERT_EQ(priorityChannelTexts(false).size(), 9u);
    EXPECT_EQ(priorityChannelTexts(false)[8], "None");
    const auto keys = keyFunctionTexts(true);
    ASSERT_EQ(keys.size(), 8u);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "Dual Watch "), 0);
    EXPECT_EQ(keys[6], "Follow-Me  ");
    EXPECT_EQ(keyFunctionCode(6, true), 7);
    EXPECT_EQ(keyFunctionEntry(2, true), 0);
    EXPECT_EQ(keyFunctionEntry(8, true), 7);
    EXPECT_EQ(keyFunctionEntry(8, false), 8);
    // Every offered attack time fits the 4-bit field.
    const auto attack = squelchAttackTexts();
    EXPECT_EQ(attack.back(), "70  msec");
    EXPECT_LE(squelchTimeValue(static_cast<int>(attack.size()) - 1), 15);
    EXPECT_EQ(squelchReleaseTexts().size(), 31u);
}

struct ByteCase {
    const char* name;
    void (*apply)(ImageState&);
    std::size_t byte;
    std::uint8_t mask;
    std::uint8_t expected;
};

TEST(SettingsDialogRules, WhatOkWrites) {
    const ByteCase cases[] = {
        {"priority beep Disabled",
         [](ImageState& s) {
             ScanSettings scan;
             scan.decode(s.image);
             scan.priorityBeep = 1;
             scan.encode(s.image);
         },
         64, 0x02, 0x02},
        {"auto power-off 8 Hrs keeps bits 5..0",
         [](ImageState& s) {
             s.image[63] = 0x2D;
             FunctionSettings f;
             f.decode(s.image);
             f.autoPowerOff = 3;
             f.encode(s.image);
         },
         63, 0xFF, 0xED},
        {"QM-Trunk",
         [](ImageState& s) {
             DeviceOptions d;
             d.decode(s.image);
             writeOptions(s, d, optionUnitTypeOfEntry(3), true);
         },
         26, 0x7C, 5 << 3},
        {"No unit",
         [](ImageState& s) {
             DeviceOptions d;
             d.decode(s.image);
             writeOptions(s, d, optionUnitTypeOfEntry(0), true);
         },
         26, 0x7C, 0x04},
        {"serial 12",
         [](ImageState& s) {
             s.serialNumber.digits = padSerialNumber("12");
             s.serialNumber.encode(s.image);
         },
         349, 0xFF, 0x12},
        {"power-on dual watch drops the Dual Watch key",
         [](ImageState& s) {
             FunctionSettings f;
             f.decode(s.image);
             f.powerOnDualWatch = 1;
             writeOtherFunctions(s.image, f, 2);
         },
         64, 0xF0, 0x00},
        {"power-on dual watch drops a None priority channel",
         [](ImageState& s) {
             s.image[41] = 8;
             FunctionSettings f;
             f.decode(s.image);
             f.powerOnDualWatch = 1;
             writeOtherFunctions(s.image, f, 0);
         },
         41, 0xFF, 0x00},
    };
    for (const auto& c : cases) {
        ImageState s = freshState();
        c.apply(s);
        EXPECT_EQ(s.image[c.byte] & c.mask, c.expected) << c.name;
    }
}

TEST(SettingsDialogRules, ChangingTheOptionUnitEmptiesCallCodes) {
    ImageState s = freshState();
    s.channels.entries[5].callCode = 3;
    s.channels.entries[9].encryption = 1;
    ImageCodec::encodeAll(s);
    DeviceOptions d;
    d.decode(s.image);
    writeOptions(s, d, 1, true);
    ImageCodec::decodeAll(s);
    EXPECT_EQ(s.channels.entries[5].callCode, 0);
    EXPECT_EQ(s.channels.entries[9].encryption, 0); // no encryption board
    EXPECT_EQ(s.image[268], 0xFF);                  // empty 2-tone code
}

TEST(SettingsDialogRules, ValuesTakenFromText) {
    EXPECT_DOUBLE_EQ(clampLocalOffset(leadingNumber("-150")), -99.9);
    EXPECT_EQ(formatLocalOffset(clampLocalOffset(leadingNumber("5"))), "5.0   MHz");
    EXPECT_EQ(formatMegahertz(81), "81.00MHz");
    EXPECT_EQ(optionUnitEntry(4), 3);
    EXPECT_EQ(bankTitle(1), " BANK  B  ");
}

TEST(SettingsDialogRules, KeyFunctionLeavesBankB) {
    ImageState s = freshState();
    s.channels.entries[10].channelType = 8;
    int bank = 1;
    writeKeyFunction(s, 1, bank);
    EXPECT_EQ(bank, 0);
    EXPECT_EQ(s.channels.entries[10].channelType, 2);
    EXPECT_EQ(s.image[64] >> 4, 1);
}

TEST(SettingsDialogRules, ChannelTypesOfTheCurrentBank) {
    ImageState s = freshState();
    std::array<int, 8> types{0, 1, 2, 3, 4, 5, 6, 7};
    EXPECT_FALSE(writeChannelTypes(s, 1, types));
    types[2] = s.channels.entries[2].channelType + 6; // bank A's type, plus a change
    EXPECT_TRUE(writeChannelTypes(s, 1, types));
    EXPECT_EQ(s.channels.entries[10].channelType, 8);
    EXPECT_EQ(s.channels.entries[2].channelType, 2);
}

} // namespace
