// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignallingDialogRules.h"
#include "ChannelEntry.h"
#include "ImageCodec.h"

#include <gtest/gtest.h>

using namespace mz58;
using namespace mz58::dialogrules;

namespace {

ImageState stateWithUnit(int unit) {
    ImageState s;
    ImageCodec::resetAll(s);
    s.optionUnit.type = unit;
    ImageCodec::encodeAll(s);
    return s;
}

std::array<std::uint8_t, 2> pair(const ImageState& s, std::size_t k) {
    return {s.image[268 + 2 * k], s.image[269 + 2 * k]};
}

// Channels 0, 5 and 9 use call code 3, channel 1 code 4.
void useCodes(ImageState& s) {
    for (std::size_t k : {0u, 5u, 9u})
        s.channels.entries[k].callCode = 3;
    s.channels.entries[1].callCode = 4;
    ImageCodec::encodeAll(s);
}

void expectCodeDropped(const ImageState& s, int code, int otherCode = 4) {
    ImageState reread = s;
    ImageCodec::decodeAll(reread);
    for (std::size_t k = 0; k < kChannelCount; ++k) {
        EXPECT_NE(s.channels.entries[k].callCode, code) << "entry " << k;
        EXPECT_NE(reread.channels.entries[k].callCode, code) << "record " << k;
    }
    EXPECT_EQ(s.channels.entries[1].callCode, otherCode);
}

// The stored bytes of a code are in image/code-bytes.txt.
TEST(SignallingDialogRules, AniCodeAsTyped) {
    EXPECT_EQ(aniCodeOfText("1x2"), "12");
    EXPECT_EQ(aniCodeOfText("1234567890ABCD*#9"), "1234567890ABCD*");
}

TEST(SignallingDialogRules, DtmfFieldsFollowBoardAndUnit) {
    using Row = std::array<bool, 3>;
    EXPECT_EQ(dtmfFieldsEnabled(true, OptionUnit::kNone), (Row{false, false, false}));
    EXPECT_EQ(dtmfFieldsEnabled(false, OptionUnit::kNone), (Row{true, true, true}));
    EXPECT_EQ(dtmfFieldsEnabled(false, OptionUnit::k2Tone), (Row{true, false, false}));
    EXPECT_EQ(dtmfFieldsEnabled(false, OptionUnit::kSubsig), (Row{true, false, false}));
}

TEST(SignallingDialogRules, PageCodeRowsAsStored) {
    struct Case {
        const char* name;
        const char* typed; // nullptr: the edit was not committed
        int flag;
        std::array<std::uint8_t, 2> bytes;
        const char* readBack;
        bool written = true;
    } const cases[] = {
        {"7 ENC & DEC padded", "7", 1, {0x27, 0x00}, "700"},
        {"12 padded", "12", 0, {0x01, 0x20}, "120"},
        {"letters and digits", "a5d", 0, {0x0A, 0x5D}, "A5D"},
        {"000 with ENC & DEC", "000", 1, {0x20, 0x00}, "000"},
        {"empty drops the flag", "", 1, {0x00, 0x00}, ""},
        {"flag alone", nullptr, 1, {0x00, 0x00}, ""},
        {"000 ENC Only refused: it reads back empty", "0", 0, {0x00, 0x00}, "", false},
    };
    for (const auto& c : cases) {
        ImageState s = stateWithUnit(OptionUnit::kNone);
        PageCodeTable table;
        table.decode(s.image);
        PageRows rows;
        if (c.typed)
            rows[6].typed = c.typed;
        rows[6].flag = c.flag;
        const auto result = writePageCodes(s, table, rows);
        EXPECT_EQ(result.written, c.written) << c.name;
        EXPECT_EQ(result.refusedRow, c.written ? -1 : 6) << c.name;
        EXPECT_EQ(pair(s, 6), c.bytes) << c.name;
        PageCodeTable reread;
        reread.decode(s.image);
        EXPECT_EQ(reread.entries[6].code, c.readBack) << c.name;
    }
}

TEST(SignallingDialogRules, EmptiedPageCodeLeavesEveryChannel) {
    ImageState s = stateWithUnit(OptionUnit::kNone);
    PageCodeTable table;
    table.entries[2].code = "300";
    table.entries[3].code = "400";
    table.encode(s.image);
    useCodes(s);
    PageRows rows;
    rows[2].typed = "";
    const auto result = writePageCodes(s, table, rows);
    EXPECT_TRUE(result.modified);
    EXPECT_EQ(pair(s, 2), (std::array<std::uint8_t, 2>{0x00, 0x00}));
    expectCodeDropped(s, 3);
}

TEST(SignallingDialogRules, UserDefinedRows) {
    struct Case {
        const char* name;
        int storedGroup; // 0 off, 1 on with tones 7 and 8
        TwoToneRowInput row;
        std::array<std::uint8_t, 2> bytes;
    } const cases[] = {
        {"999 stored as 240", 1, {1, -1, -1, {"999", true}, {"8", false}}, {240, 8}},
        {"switched on takes both edits", 0, {1, -1, -1, {"045", false}, {"12", false}}, {45, 12}},
        {"uncommitted edit keeps its tone", 1, {1, -1, -1, {"100", false}, {"", false}}, {7, 8}},
        {"turned off", 1, {0, -1, -1, {}, {}}, {0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        ImageState s = stateWithUnit(OptionUnit::k2Tone);
        s.twoToneUserDefined = true;
        TwoToneTable table;
        if (c.storedGroup)
            table.entries[2] = {kTwoToneUserDefined, 7, 8};
        writeTwoToneTable(s, table, TwoToneRows{});
        useCodes(s);
        TwoToneRows rows;
        rows[2] = c.row;
        EXPECT_EQ(writeTwoToneTable(s, table, rows),
                  c.row.group != c.storedGroup || c.row.edit1.committed)
            << c.name;
        EXPECT_EQ(pair(s, 2), c.bytes) << c.name;
        if (c.row.group == 0)
            expectCodeDropped(s, 3);
    }
}

TEST(SignallingDialogRules, FormatSwitchWipesTheTableAndTheChannels) {
    ImageState s = stateWithUnit(OptionUnit::k2Tone);
    TwoToneTable table;
    table.entries[2] = {1, 0, 9};
    table.encode(s.image, false);
    useCodes(s);
    TwoToneParams params;
    params.decode(s.image, OptionUnit::k2Tone);
    params.callCount = 3;
    EXPECT_FALSE(writeTwoToneParams(s, params, false));
    EXPECT_EQ(pair(s, 2), (std::array<std::uint8_t, 2>{0x00, 0x09}));
    EXPECT_TRUE(writeTwoToneParams(s, params, true));
    EXPECT_TRUE(s.twoToneUserDefined);
    for (std::size_t k = 0; k < kCallCodeCount; ++k)
        EXPECT_EQ(pair(s, k), (std::array<std::uint8_t, 2>{0xFF, 0xFF})) << k;
    EXPECT_EQ(s.image[267] & 0x03, 3);
    expectCodeDropped(s, 3, 0);
}

} // namespace
