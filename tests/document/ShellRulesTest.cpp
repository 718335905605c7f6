// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellRules.h"

#include "OptionUnit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mz58 {
namespace {

TEST(ShellRulesTest, ClockText) {
    const std::pair<std::pair<int, int>, const char*> cases[] = {
        {{9, 5}, " 9:05"}, {{14, 0}, " 14:00"}, {{0, 0}, " 0:00"}, {{23, 59}, " 23:59"}};
    for (const auto& [time, text] : cases)
        EXPECT_EQ(clockText(time.first, time.second), text);
}

TEST(ShellRulesTest, ConfigurationLimits) {
    for (const auto& [stored, used] : {std::pair{1, 1}, {4, 4}, {0, 1}, {5, 1}, {7, 1}, {-3, 1}})
        EXPECT_EQ(validComPort(stored), used) << stored;
    EXPECT_EQ(validWindowWidth(500), 640);
    EXPECT_EQ(validWindowHeight(300), 410);
    EXPECT_EQ(validWindowWidth(900), 900);
    EXPECT_EQ(validWindowHeight(411), 411);
}

TEST(ShellRulesTest, MaintenanceSwitchIsExactlyOneOfFour) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"-M"}, true},   {{"-m"}, true},
        {{"/M"}, true},   {{"/m"}, true},
        {{"-M "}, false}, {{"-M", "x"}, false},
        {{"M"}, false},   {{"--M"}, false},
        {{}, false},      {{"-maintenance"}, false},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(isMaintenanceSwitch(args), expected) << (args.empty() ? "" : args[0]);
    EXPECT_TRUE(isMaintenancePassword("tomba-rikel"));
    EXPECT_FALSE(isMaintenancePassword("Tomba-rikel"));
    EXPECT_FALSE(isMaintenancePassword("tomba-rikel "));
}

// The Signalling menu by option unit (and the DTMF device); everything else stays enabled.
TEST(ShellRulesTest, AvailabilityByOptionUnit) {
    struct Case {
        int unit;
        bool dtmfAbsent;
        std::vector<int> enabledSignalling;
    };
    const Case cases[] = {
        {OptionUnit::kNone, false, {cmd::kAni, cmd::kDtmf, cmd::kPagingCode}},
        {OptionUnit::k2Tone, false, {cmd::kAni, cmd::kDtmf, cmd::kTwoTone, cmd::kTwoToneTable}},
        {OptionUnit::kSubsig, false, {cmd::kAni, cmd::kDtmf}},
        {OptionUnit::kTrunk, false, {cmd::kAni, cmd::kDtmf, cmd::kPagingCode}},
        {OptionUnit::kNone, true, {cmd::kAni, cmd::kDtmf}},
    };
    for (const Case& c : cases) {
        for (int id = cmd::kAni; id <= cmd::kTwoToneTable; ++id) {
            const bool expected = std::find(c.enabledSignalling.begin(), c.enabledSignalling.end(),
                                            id) != c.enabledSignalling.end();
            EXPECT_EQ(isCommandEnabled(id, c.unit, c.dtmfAbsent), expected)
                << "unit " << c.unit << " command " << id;
        }
        for (int id : {cmd::kComPort, 32772, 32778, cmd::kUpload, cmd::kDownload, cmd::kChannelType,
                       32831, 32833, 32840, 32842, 57600})
            EXPECT_TRUE(isCommandEnabled(id, c.unit, c.dtmfAbsent)) << id;
    }
}

} // namespace
} // namespace mz58
