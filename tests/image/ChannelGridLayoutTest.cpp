// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelGridLayout.h"

#include "OptionUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace mz58 {
namespace {

TEST(ChannelGridLayout, OnlyTheCallCodeColumnFollowsTheOptionUnit) {
    const std::pair<int, const char*> cases[] = {{OptionUnit::kNone, "Page"},
                                                 {OptionUnit::k2Tone, "2Ton"},
                                                 {OptionUnit::kSubsig, "SIG"},
                                                 {OptionUnit::kTrunk, "Page"},
                                                 {-1, "Page"}};
    for (const auto& [type, caption] : cases) {
        EXPECT_EQ(columnCaption(Column::CallCode, type), caption) << "type " << type;
        for (int c = 0; c < kColumnCount; ++c) {
            const auto column = static_cast<Column>(c);
            if (column != Column::CallCode) {
                EXPECT_EQ(columnCaption(column, type), columnCaption(column, OptionUnit::kNone));
            }
        }
    }
}

TEST(ChannelGridLayout, HelpContexts) {
    const std::tuple<Column, int, int> cases[] = {{Column::Channel, 0, 300},
                                                  {Column::BusyLockout, 0, 317},
                                                  {Column::CallCode, OptionUnit::kNone, 318},
                                                  {Column::CallCode, OptionUnit::k2Tone, 319},
                                                  {Column::CallCode, OptionUnit::kSubsig, 320},
                                                  {Column::CallCode, OptionUnit::kTrunk, 318},
                                                  {Column::ClockShift, 1, 321},
                                                  {Column::OutOfRangeAlert, 2, 322}};
    for (const auto& [column, unit, context] : cases)
        EXPECT_EQ(columnHelpContext(column, unit), context) << static_cast<int>(column);
}

// Every group exists and its columns stand together; only the out-of-range alert starts hidden;
// the menu lists each group once, 9 before 8.
TEST(ChannelGridLayout, ColumnGroups) {
    std::set<int> seen;
    for (int c = 0, previous = kAlwaysShown - 1; c < kColumnCount; ++c) {
        const int group = columnGroup(static_cast<Column>(c));
        if (group != std::exchange(previous, group)) {
            EXPECT_TRUE(seen.insert(group).second) << "group " << group << " split at " << c;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kColumnGroupCount) + 1);
    EXPECT_EQ(columnGroup(Column::Channel), kAlwaysShown);
    for (int g = 0; g < kColumnGroupCount; ++g) {
        EXPECT_EQ(columnGroupShownByDefault(g), g != 14) << "group " << g;
        EXPECT_FALSE(columnGroupMenuText(g).empty());
    }
    EXPECT_TRUE(columnGroupMenuText(kColumnGroupCount).empty());
    const auto& order = columnGroupMenuOrder();
    const auto at = [&](int g) { return std::find(order.begin(), order.end(), g) - order.begin(); };
    EXPECT_EQ(at(9) + 1, at(8));
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), order.size());
}

TEST(ChannelGridLayout, BankKeyIsTheHighNibbleOfByte64) {
    for (const auto& [byte, fitted] : {std::pair<std::uint8_t, bool>{0x80, true},
                                       {0x8F, true},
                                       {0x70, false},
                                       {0x08, false},
                                       {0xF8, false}}) {
        RadioImage image{};
        image[64] = byte;
        EXPECT_EQ(bankKeyFitted(image), fitted) << int(byte);
    }
}

TEST(ChannelGridLayout, NextBankWrapsAndSkipsEmptyBanks) {
    const std::tuple<int, std::array<int, 2>, int> cases[] = {
        {0, {8, 8}, 1}, {1, {8, 8}, 0}, {0, {8, 0}, 0}, {1, {0, 8}, 1}, {1, {8, 0}, 0}};
    for (const auto& [bank, counts, next] : cases)
        EXPECT_EQ(nextBank(bank, counts), next) << bank << " " << counts[0] << "/" << counts[1];
}

} // namespace
} // namespace mz58
