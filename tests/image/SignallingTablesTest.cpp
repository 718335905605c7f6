#include "SignallingTables.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

using namespace mz58;

namespace {

unsigned dcsIndexOfText(const std::string& text) {
    for (unsigned i = 1; i <= kDcsCount; ++i) {
        if (dcsText(i) == text)
            return i;
    }
    return 0;
}

} // namespace

TEST(ToneTables, TextsByIndex) {
    using Row = std::pair<unsigned, const char*>;
    const Row ctcss[] = {
        {0, "Off"},    {1, " 67.0"},  {13, "100.0"},  {33, "203.5"},       {38, "241.8"},
        {39, "250.3"}, {40, "159.8"}, {41, "165.5"},  {48, "206.5"},       {49, "229.1"},
        {50, "254.1"}, {51, "  #51"}, {127, " #127"}, {100000, "#100000"},
    };
    for (const auto& [index, text] : ctcss)
        EXPECT_EQ(ctcssText(index), text) << index;
    const Row dcs[] = {{0, "Off"},  {1, "023"},   {8, "047"},
                       {17, "114"}, {104, "754"}, {105, "#105"}};
    for (const auto& [index, text] : dcs)
        EXPECT_EQ(dcsText(index), text) << index;

    std::set<std::string> seen;
    for (unsigned i = 1; i <= kCtcssCount; ++i) {
        const std::string text = ctcssText(i);
        EXPECT_EQ(text.size(), 5u) << i;
        EXPECT_TRUE(seen.insert(text).second) << text;
    }
}

TEST(DcsTable, InversePairs) {
    const struct {
        const char* a;
        const char* b;
    } pairs[] = {
        {"023", "047"}, {"025", "244"}, {"032", "051"}, {"116", "754"},
        {"226", "411"}, {"565", "703"}, {"624", "632"}, {"654", "743"},
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(std::string(p.a) + "-" + p.b);
        const unsigned a = dcsIndexOfText(p.a);
        const unsigned b = dcsIndexOfText(p.b);
        ASSERT_NE(a, 0u);
        ASSERT_NE(b, 0u);
        EXPECT_EQ(dcsInverse(a), b);
        EXPECT_EQ(dcsInverse(b), a);
    }
    // The 52 pairs cover all 104 codes: no code is its own partner; Off and indexes beyond the
    // table map to themselves.
    for (unsigned i = 1; i <= kDcsCount; ++i) {
        EXPECT_EQ(dcsInverse(dcsInverse(i)), i) << dcsText(i);
        EXPECT_NE(dcsInverse(i), i) << dcsText(i);
    }
    for (unsigned index : {0u, 105u, 1000u})
        EXPECT_EQ(dcsInverse(index), index);
}

TEST(TwoToneGroups, NamesAndFallback) {
    const struct {
        int group;
        const char* name;
    } cases[] = {
        {0, "OFF        "},  {1, "MOTOROLA  1"},  {7, "MOTOROLA 10"},
        {13, "PLECTRON   "}, {18, "REACH GRP E"}, {19, "User Defined"},
        {20, "OFF        "}, {99, "OFF        "}, {-1, "OFF        "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        EXPECT_EQ(twoToneGroup(c.group).name, c.name);
    }
}

TEST(TwoToneGroups, GroupOfToneNumber) {
    const struct {
        unsigned tone;
        int group;
    } cases[] = {
        {0, 1},    {9, 1},    {10, 2},   {19, 2},   {20, 3},   {30, 3},   {31, 3},
        {32, 4},   {63, 6},   {64, 7},   {114, 11}, {115, 12}, {130, 12}, {131, 13},
        {189, 13}, {190, 14}, {239, 18}, {240, 19}, {254, 19}, {255, 19}, {1000, 19},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tone);
        EXPECT_EQ(twoToneGroupOf(c.tone), c.group);
    }
}

TEST(TwoToneGroups, ToneTexts) {
    const struct {
        int group;
        unsigned position;
        std::optional<std::string_view> text;
    } cases[] = {
        {1, 0, "330.5"},       {1, 9, "539.0"},        {1, 10, std::nullopt},
        {3, 9, "1092.4"},      {3, 10, std::nullopt},  {3, 11, std::nullopt},
        {6, 11, std::nullopt}, {11, 10, "742.5"},      {12, 15, "1479.1"},
        {13, 55, "3062.0"},    {13, 56, std::nullopt}, {13, 58, std::nullopt},
        {18, 2, "750.0"},      {0, 0, std::nullopt},   {19, 0, std::nullopt},
        {-1, 0, std::nullopt}, {20, 0, std::nullopt},  {99, 3, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.group << "/" << c.position);
        EXPECT_EQ(twoToneText(c.group, c.position), c.text);
    }
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
