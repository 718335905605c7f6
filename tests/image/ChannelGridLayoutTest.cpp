#include "ChannelGridLayout.h"

#include "OptionUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace mz58 {
namespace {

TEST(ChannelGridLayout, CallCodeCaptionFollowsTheOptionUnit) {
    const std::pair<int, const char*> cases[] = {
        {OptionUnit::kNone, "Page"},
        {OptionUnit::k2Tone, "2Ton"},
        {OptionUnit::kSubsig, "SIG"},
        {OptionUnit::kTrunk, "Page"},
        {-1, "Page"},
    };
    for (const auto& [type, caption] : cases) {
        EXPECT_EQ(columnCaption(Column::CallCode, type), caption) << "type " << type;
        // No other column changes its caption with the unit.
        for (int c = 0; c < kColumnCount; ++c) {
            const auto column = static_cast<Column>(c);
            if (column != Column::CallCode) {
                EXPECT_EQ(columnCaption(column, type), columnCaption(column, OptionUnit::kNone));
            }
        }
    }
}

TEST(ChannelGridLayout, HelpContexts) {
    struct Case {
        Column column;
        int optionUnitType;
        int context;
    };
    const Case cases[] = {
        {Column::Channel, 0, 300},
        {Column::Receive, 0, 302},
        {Column::BusyLockout, 0, 317},
        {Column::CallCode, OptionUnit::kNone, 318},
        {Column::CallCode, OptionUnit::k2Tone, 319},
        {Column::CallCode, OptionUnit::kSubsig, 320},
        {Column::CallCode, OptionUnit::kTrunk, 318},
        {Column::ClockShift, 1, 321},
        {Column::OutOfRangeAlert, 2, 322},
    };
    for (const auto& c : cases)
        EXPECT_EQ(columnHelpContext(c.column, c.optionUnitType), c.context)
            << "column " << static_cast<int>(c.column) << " unit " << c.optionUnitType;
}

// Every group exists, its columns stand together, and only the out-of-range alert starts hidden.
TEST(ChannelGridLayout, ColumnGroups) {
    EXPECT_EQ(columnGroup(Column::Channel), kAlwaysShown);
    std::set<int> seen;
    int previous = kAlwaysShown - 1;
    for (int c = 0; c < kColumnCount; ++c) {
        const int group = columnGroup(static_cast<Column>(c));
        if (group != previous) {
            EXPECT_TRUE(seen.insert(group).second) << "group " << group << " split at column " << c;
            previous = group;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kColumnGroupCount) + 1);
    for (int g = 0; g < kColumnGroupCount; ++g) {
        EXPECT_EQ(columnGroupShownByDefault(g), g != 14) << "group " << g;
        EXPECT_FALSE(columnGroupMenuText(g).empty());
    }
    EXPECT_TRUE(columnGroupMenuText(kColumnGroupCount).empty());
    EXPECT_TRUE(columnGroupMenuText(-1).empty());
    EXPECT_EQ(columnGroup(Column::Transmit), columnGroup(Column::Receive));
    EXPECT_EQ(columnGroup(Column::EncodeTone), columnGroup(Column::ToneType));
}

TEST(ChannelGridLayout, MenuListsGroupNineBeforeEight) {
    const auto& order = columnGroupMenuOrder();
    const auto at = [&](int g) { return std::find(order.begin(), order.end(), g) - order.begin(); };
    EXPECT_EQ(at(9) + 1, at(8));
    auto sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int g = 0; g < kColumnGroupCount; ++g)
        EXPECT_EQ(sorted[static_cast<std::size_t>(g)], g);
}

TEST(ChannelGridLayout, HeaderTexts) {
    EXPECT_EQ(bandText(kVhf), "VHF          ");
    EXPECT_EQ(bandText(kUhf), "UHF          ");
    EXPECT_EQ(modelText(), "QM-610       ");
    EXPECT_EQ(comPortText(3), "COM3");
    EXPECT_EQ(bankLabelText(0), " BANK  A  ");
    EXPECT_EQ(bankLabelText(1), " BANK  B  ");
}

TEST(ChannelGridLayout, BankKeyIsTheHighNibbleOfByte64) {
    const std::pair<std::uint8_t, bool> cases[] = {
        {0x80, true}, {0x8F, true}, {0x70, false}, {0x08, false}, {0x00, false}, {0xF8, false},
    };
    for (const auto& [byte, fitted] : cases) {
        RadioImage image{};
        image[64] = byte;
        EXPECT_EQ(bankKeyFitted(image), fitted) << int(byte);
    }
}

TEST(ChannelGridLayout, NextBankWrapsAndSkipsEmptyBanks) {
    struct Case {
        int bank;
        std::array<int, 2> counts;
        int next;
    };
    const Case cases[] = {
        {0, {8, 8}, 1}, {1, {8, 8}, 0}, {0, {8, 0}, 0}, {1, {0, 8}, 1}, {1, {8, 0}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextBank(c.bank, c.counts), c.next)
            << c.bank << " with " << c.counts[0] << "/" << c.counts[1];
}

} // namespace
} // namespace mz58
