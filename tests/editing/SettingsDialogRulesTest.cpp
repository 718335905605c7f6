// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDialogRules.h"
#include "ChannelEntry.h"
#include "FunctionSettings.h"
#include "ImageCodec.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace mz58;
using namespace mz58::dialogrules;

using test::freshState;

namespace {

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

// The key list leaves out "Dual Watch " while dual watch is on at power-on.
TEST(SettingsDialogRules, KeyListWithDualWatchAtPowerOn) {
    const auto keys = keyFunctionTexts(true);
    ASSERT_EQ(keys.size(), 8u);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "Dual Watch "), 0);
    EXPECT_EQ(keys[6], "Follow-Me  ");
    EXPECT_EQ(keyFunctionCode(6, true), 7);
    EXPECT_EQ(keyFunctionEntry(2, true), 0);
    EXPECT_EQ(keyFunctionEntry(8, true), 7);
    EXPECT_EQ(keyFunctionEntry(8, false), 8);
}

struct ByteCase {
    const char* name;
    void (*apply)(ImageState&);
    std::size_t byte;
    std::uint8_t mask;
    std::uint8_t expected;
};

// What OK writes where the dialog walk (tests/data/dialogs/walk.txt) cannot show it: bits kept
// from a changed image, and entries that a setting of another dialog takes away.
TEST(SettingsDialogRules, WhatOkWrites) {
    const ByteCase cases[] = {
        {"auto power-off 8 Hrs keeps bits 5..0",
         [](ImageState& s) {
             s.image[63] = 0x2D;
             FunctionSettings f;
             f.decode(s.image);
             f.autoPowerOff = 3;
             f.encode(s.image);
         },
         63, 0xFF, 0xED},
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

TEST(SettingsDialogRules, OffsetTakenFromText) {
    EXPECT_DOUBLE_EQ(clampLocalOffset(leadingNumber("-150")), -99.9);
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

TEST(SettingsDialogRules, ChannelTypesAsTheyStandAreNoChange) {
    ImageState s = freshState();
    EXPECT_FALSE(writeChannelTypes(s, 1, {0, 1, 2, 3, 4, 5, 6, 7}));
}

} // namespace
