// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignallingTables.h"
#include "Golden.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

using namespace mz58;

// Every tone and code text by index, each DCS code's partner and, for every tone number, its
// group, the group's name and the tone's text, in tests/data/signalling-tables.txt (the list
// of the radio, checked once against it; see Golden.h).
TEST(SignallingTables, MatchTheGoldenFile) {
    std::ostringstream out;
    for (unsigned i = 0; i <= kCtcssCount + 1; ++i)
        out << "ctcss " << i << " [" << ctcssText(i) << "]\n";
    for (unsigned i = 0; i <= kDcsCount + 1; ++i)
        out << "dcs " << i << " " << dcsText(i) << " inverse " << dcsText(dcsInverse(i)) << "\n";
    for (unsigned tone = 0; tone <= 255; ++tone) {
        const int group = twoToneGroupOf(tone);
        const TwoToneGroup& g = twoToneGroup(group);
        const unsigned position = tone - static_cast<unsigned>(g.base);
        out << "tone " << tone << " group " << group << " [" << g.name << "] position " << position
            << " " << twoToneText(group, position).value_or("-") << "\n";
    }
    test::expectGolden("signalling-tables.txt", out.str());
}

TEST(SignallingTables, OutOfRangeValues) {
    EXPECT_EQ(ctcssText(127), " #127");
    EXPECT_EQ(ctcssText(100000), "#100000");
    EXPECT_EQ(dcsInverse(1000), 1000u);
    for (int group : {-1, 0, 20, 99})
        EXPECT_EQ(twoToneGroup(group).name, "OFF        ") << group;
    for (unsigned tone : {255u, 1000u})
        EXPECT_EQ(twoToneGroupOf(tone), kTwoToneUserDefined);
    const std::pair<int, unsigned> noText[] = {{1, 10}, {3, 10}, {13, 56}, {0, 0},
                                               {19, 0}, {-1, 0}, {20, 0}};
    for (const auto& [group, position] : noText)
        EXPECT_EQ(twoToneText(group, position), std::nullopt) << group << "/" << position;
}

TEST(TwoToneCodes, Decode) {
    const struct {
        const char* name;
        std::uint8_t t1, t2;
        bool flagBefore;
        TwoToneCode expected;
        bool flagAfter;
    } cases[] = {
        {"motorola 1 first and last", 0, 9, false, {1, 0, 9}, false},
        {"tones in groups 1 and 2", 0, 10, false, {19, 0, 10}, true},
        {"reserved slots of group 3", 30, 31, false, {3, 10, 11}, false},
        {"reach E", 0xE8, 0xE9, false, {18, 2, 3}, false},
        {"plectron reserved slot", 131, 189, false, {13, 0, 58}, false},
        {"first byte FF is off", 0xFF, 0x12, false, {0, 0, 0}, false},
        {"off keeps a set flag", 0xFF, 0xFF, true, {0, 0, 0}, true},
        {"set flag shows raw numbers", 0, 9, true, {19, 0, 9}, true},
        {"tones 240 and above fit no group", 240, 241, false, {19, 240, 241}, true},
        {"second byte FF", 5, 0xFF, false, {19, 5, 255}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool flag = c.flagBefore;
        EXPECT_EQ(decodeTwoToneCode(c.t1, c.t2, flag), c.expected);
        EXPECT_EQ(flag, c.flagAfter);
    }
}

TEST(TwoToneCodes, Encode) {
    using Bytes = std::array<std::uint8_t, 2>;
    const struct {
        const char* name;
        TwoToneCode code;
        bool userDefined;
        Bytes expected;
    } cases[] = {
        {"off", {0, 4, 5}, false, {0xFF, 0xFF}},
        {"off while user defined", {0, 4, 5}, true, {0xFF, 0xFF}},
        {"user defined takes numbers as entered", {1, 0, 9}, true, {0x00, 0x09}},
        {"position kept inside its group", {3, 0, 15}, false, {0x14, 0x1F}},
        {"unknown group is off", {25, 1, 2}, false, {0xFF, 0xFF}},
        {"negative group is off", {-3, 1, 2}, false, {0xFF, 0xFF}},
        {"first tone never reads as off", {19, 300, 300}, true, {0xFE, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(encodeTwoToneCode(c.code, c.userDefined), c.expected);
    }
}

TEST(TwoToneCodes, EveryStoredPairSurvivesDecodeAndEncode) {
    for (bool flagBefore : {false, true}) {
        for (unsigned t1 = 0; t1 < 0xFF; ++t1) {
            for (unsigned t2 = 0; t2 <= 0xFF; ++t2) {
                bool flag = flagBefore;
                const auto code = decodeTwoToneCode(static_cast<std::uint8_t>(t1),
                                                    static_cast<std::uint8_t>(t2), flag);
                const auto bytes = encodeTwoToneCode(code, flag);
                ASSERT_EQ(bytes[0], t1) << t1 << "," << t2;
                ASSERT_EQ(bytes[1], t2) << t1 << "," << t2;
            }
        }
    }
}
