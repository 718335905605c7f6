// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEditing.h"

#include "CallCodeSettings.h"
#include "SignallingTables.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstring>

namespace mz58 {
namespace {

// The message of an edit's result as the command line prints it.
std::string text(const EditResult& result) {
    return result.message ? messageText(*result.message) : std::string();
}

EditContext contextFor(int band = kVhf, LocalOffset offset = 0.0, int stepPair = 0) {
    EditContext x;
    x.hardware = test::hardwareFor(band, stepPair);
    x.localOffset = offset;
    x.dtmfDeviceAbsent = false;
    x.encryptionDeviceAbsent = false;
    return x;
}

unsigned dcsIndex(const std::string& text) {
    for (unsigned i = 0; i <= kDcsCount; ++i)
        if (dcsText(i) == text)
            return i;
    return 999;
}

ChannelEntry dcsChannel(int rx, int tx, int alert = 1) {
    ChannelEntry c;
    c.toneType = kToneDcs;
    c.rxDcs = rx;
    c.txDcs = tx;
    c.outOfRangeAlert = alert;
    return c;
}

TEST(ChannelEditing, CycleCell) {
    ChannelEntry notInUse;
    notInUse.inUse = 0;
    ChannelEntry ctcss;
    ctcss.toneType = kToneCtcss;
    ctcss.rxCtcss = 5;
    struct Case {
        const char* name;
        ChannelEntry before;
        int index;
        Column column;
        EditResult::Kind kind;
        std::string changedCell; // the cell's text afterwards
    };
    const Case cases[] = {
        {"not in use: Width does nothing", notInUse, 3, Column::Width, EditResult::Ignored, "W"},
        {"not in use: Chn puts it in use", notInUse, 3, Column::Channel, EditResult::Done, ""},
        {"first channel stays in use, and says so",
         {},
         0,
         Column::Channel,
         EditResult::Ignored,
         ""},
        {"Transmit toggles the inhibit", {}, 3, Column::Transmit, EditResult::Done, "---.-----"},
        {"type 0: Dec beeps", {}, 3, Column::DecodeTone, EditResult::Refused, "-----"},
        {"CTCSS: Dec opens the list", ctcss, 3, Column::DecodeTone, EditResult::OpenList, " 77.0"},
        {"DCS -> none clears tones and alert", dcsChannel(3, 4), 3, Column::ToneType,
         EditResult::Done, "-----"},
        {"CTCSS -> DCS clears the tones", ctcss, 3, Column::ToneType, EditResult::Done, "DCS"},
        {"RNGA of a CTCSS channel beeps", ctcss, 3, Column::OutOfRangeAlert, EditResult::Refused,
         "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChannelEntry channel = c.before;
        const EditResult result = cycleCell(channel, c.index, c.column, contextFor());
        EXPECT_EQ(result.kind, c.kind);
        if (c.column == Column::Channel) {
            EXPECT_EQ(channel.inUse, 1);
        } else {
            EXPECT_EQ(cellText(channel, 0, c.column), c.changedCell);
        }
        if (c.column == Column::ToneType) { // a new type starts without tones
            EXPECT_EQ(channel.rxCtcss + channel.txCtcss + channel.rxDcs + channel.txDcs, 0);
        }
    }
}

TEST(ChannelEditing, ToneListChoice) {
    // A decode tone chosen while both tones are off sets both; with an encode tone, only decode.
    for (const auto& [encodeBefore, encodeAfter] : {std::pair{0, 7}, std::pair{2, 2}}) {
        ChannelEntry channel = dcsChannel(0, encodeBefore);
        const auto list = selectionList(channel, Column::DecodeTone, contextFor());
        EXPECT_EQ(list.caption, "DCS Frequency");
        EXPECT_EQ(list.selected, 0);
        ASSERT_TRUE(applyListChoice(channel, Column::DecodeTone, list, 7).done());
        EXPECT_EQ(channel.rxDcs, 7);
        EXPECT_EQ(channel.txDcs, encodeAfter);
    }
}

TEST(ChannelEditing, FrequencyEntry) {
    struct Case {
        const char* name;
        int band;
        LocalOffset offset;
        Column column;
        bool inhibit;
        std::string text;
        EditResult::Kind kind;
        std::string rx, tx; // cell texts afterwards
        std::string said;   // the warnings of a done edit, one a line
    };
    const Case cases[] = {
        {"RX with offset 0", kVhf, 0.0, Column::Receive, false, "145.525", EditResult::Done,
         "145.52500", "145.52500", ""},
        {"UHF RX with offset 5", kUhf, 5.0, Column::Receive, false, "440.000", EditResult::Done,
         "440.00000", "445.00000", ""},
        {"TX keeps the inhibit", kVhf, 0.0, Column::Transmit, true, "146.000", EditResult::Done,
         "150.00000", "---.-----", ""},
        {"no number changes nothing", kVhf, 0.0, Column::Receive, false, "  . ",
         EditResult::Ignored, "150.00000", "150.00000", ""},
        {"0 is clamped to the band", kVhf, 0.0, Column::Receive, false, "0", EditResult::Done,
         "134.00000", "134.00000", "0 is outside 134–174 MHz: stored 134.00000\n"},
        {"TX clamped too", kVhf, 0.0, Column::Transmit, false, " 14652", EditResult::Done,
         "150.00000", "174.00000", "14652 is outside 134–174 MHz: stored 174.00000\n"},
        {"RX + offset past the edge", kUhf, 5.0, Column::Receive, false, "510", EditResult::Done,
         "510.00000", "512.00000",
         "Transmit 515.00000 (Receive + local offset) is outside 400–512 MHz: stored "
         "512.00000\n"},
        {"step grid moves RX", kVhf, 0.0, Column::Receive, false, "146.943", EditResult::Done,
         "146.94375", "146.94375", "Receive stored as 146.94375 MHz: nearest 6.25 kHz step\n"},
        {"a frequency the channel cannot hold", kVhf, 0.0, Column::Receive, false, "146.94",
         EditResult::Refused, "150.00000", "150.00000", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChannelEntry channel;
        channel.txInhibit = c.inhibit ? 1 : 0;
        if (c.band == kUhf)
            channel.rxFrequency = channel.txFrequency = 15000000;
        // On the 6.25/7.5 kHz pair, 146.94 lies on no step that the receiver can hold.
        const auto x = contextFor(c.band, c.offset, c.text == "146.94" ? 3 : 0);
        const auto result = enterFrequency(channel, c.column, c.text, x);
        EXPECT_EQ(result.kind, c.kind) << text(result);
        EXPECT_EQ(cellText(channel, 0, Column::Receive), c.rx);
        EXPECT_EQ(cellText(channel, 0, Column::Transmit), c.tx);
        if (c.kind == EditResult::Refused) {
            EXPECT_NE(text(result).find("146.94"), std::string::npos) << text(result);
        } else {
            std::string said;
            for (const UserMessage& m : result.messages())
                said += messageText(m) + "\n";
            EXPECT_EQ(said, c.said);
        }
    }
}

TEST(ChannelEditing, DcsInversionIsAnInvolution) {
    ChannelEntry channel = dcsChannel(static_cast<int>(dcsIndex("023")), 0);
    ASSERT_TRUE(invertDcs(channel, Column::DecodeTone).done());
    EXPECT_EQ(dcsText(static_cast<unsigned>(channel.rxDcs)), "047");
    ASSERT_TRUE(invertDcs(channel, Column::DecodeTone).done());
    EXPECT_EQ(dcsText(static_cast<unsigned>(channel.rxDcs)), "023");
    ASSERT_TRUE(invertDcs(channel, Column::EncodeTone).done());
    EXPECT_EQ(channel.txDcs, 0);
    channel.toneType = kToneCtcss;
    EXPECT_EQ(invertDcs(channel, Column::DecodeTone).kind, EditResult::Refused);
}

TEST(ChannelEditing, PasteIntoCell) {
    ChannelEntry ctcss;
    ctcss.toneType = kToneCtcss;
    ChannelEntry notInUse;
    notInUse.inUse = 0;
    ChannelEntry inhibited;
    inhibited.txInhibit = 1;
    struct Case {
        const char* name;
        ChannelEntry before;
        Column column;
        std::string text;
        EditResult::Kind kind;
        std::string cell;
    };
    const Case cases[] = {
        {"0 in the code column is code 10", {}, Column::CallCode, "0", EditResult::Done, "0"},
        {"v into RNGA of CTCSS", ctcss, Column::OutOfRangeAlert, "v", EditResult::Refused, "-"},
        {"v into RNGA of DCS", dcsChannel(0, 0, 0), Column::OutOfRangeAlert, "v", EditResult::Done,
         "v"},
        {"no digits into SQ", {}, Column::Squelch, "abc", EditResult::Refused, "0"},
        {" 0 into SQ", {}, Column::Squelch, " 0", EditResult::Done, "0"},
        {"channel not in use", notInUse, Column::Width, "N", EditResult::Refused, "W"},
        {"Dec needs the table's text", ctcss, Column::DecodeTone, "67.0", EditResult::Refused,
         "Off"},
        {"Dec with both off sets Enc too", ctcss, Column::DecodeTone, " 67.0", EditResult::Done,
         " 67.0"},
        {"DCS type clears tones", ctcss, Column::ToneType, "DCS", EditResult::Done, "DCS"},
        {"refused TX keeps the inhibit", inhibited, Column::Transmit, "165.115",
         EditResult::Refused, "---.-----"},
        {"TX clears the inhibit", inhibited, Column::Transmit, "146.5", EditResult::Done,
         "146.50000"},
        {"ten characters", {}, Column::Receive, "146.500000", EditResult::Refused, "150.00000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChannelEntry channel = c.before;
        EditContext x = contextFor();
        x.optionUnitType = OptionUnit::kSubsig;
        // With the divider offset, VHF transmit words below 165.12 MHz cannot be stored.
        x.hardware.dividerOffset = c.text == "165.115" ? 1 : 0;
        const auto result = pasteIntoCell(channel, c.column, c.text, x);
        EXPECT_EQ(result.kind, c.kind) << text(result);
        EXPECT_EQ(cellText(channel, 0, c.column), c.cell);
        if (result.kind == EditResult::Refused) {
            EXPECT_TRUE(result.message);
        }
    }
}

TEST(ChannelEditing, ChannelCopySource) {
    struct Case {
        std::string text;
        int bank, target;
        std::optional<int> source;
    };
    // clang-format off
    const Case cases[] = {
        {"  3", kBankA, 4, 2},             {"  1", kBankB, 12, 8},
        {"12.5", kBankA, 4, std::nullopt}, {"  5", kBankA, 4, std::nullopt},
        {"0", kBankA, 4, std::nullopt},    {"9", kBankA, 4, std::nullopt},
        {"x", kBankA, 4, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(channelCopySource(c.text, c.bank, c.target).source, c.source) << c.text;
    // The copied "Chn" text still on the clipboard names the copied channel, in either bank;
    // another text is read as before.
    const CopiedChannel copiedA3{"  3", 2};
    EXPECT_EQ(channelCopySource("  3", kBankB, 12, &copiedA3).source, 2);
    EXPECT_EQ(channelCopySource("3", kBankB, 12, &copiedA3).source, 10);
    EXPECT_TRUE(channelCopySource("  3", kBankA, 2, &copiedA3).refusal);
}

// A block is all or nothing: the first refused cell is named and nothing changes.
TEST(ChannelEditing, BlockPaste) {
    EXPECT_EQ(splitCellBlock("a\tb\rc\td\r\n"), (CellBlock{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(splitCellBlock("x"), (CellBlock{{"x"}}));
    std::array<ChannelEntry, kChannelCount> entries{};
    entries[5].inUse = 0;
    const std::array columns{Column::Receive, Column::Transmit, Column::Width};
    struct Case {
        const char* name;
        std::string text;
        int first;
        bool done;
        std::string said;
    };
    const Case cases[] = {
        {"two rows", "145.500\t146.100\tN\r145.525\t145.525\tW", 1, true, ""},
        {"a row on a channel not in use", "145.500\r145.525", 4, false, ""},
        {"a width that is no width", "145.500\t146.100\tX", 1, false, "\"X\""},
        {"past the bank's end", "145.5\r145.5", 7, false, "past the end of bank A"},
        {"past the last column", "1\t2\t3\t4", 1, false, "past the last column"},
        {"a clamp is said", "14652", 1, true, "stored 174.00000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto changed = entries;
        const auto result = pasteCellBlock(changed, splitCellBlock(c.text), c.first,
                                           kChannelsPerBank - 1, columns, contextFor());
        EXPECT_EQ(result.done, c.done);
        const std::string said = result.why ? messageText(*result.why) : std::string();
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        if (!c.done) {
            EXPECT_EQ(std::memcmp(&changed, &entries, sizeof entries), 0);
        }
    }
    auto changed = entries;
    ASSERT_TRUE(
        pasteCellBlock(changed, splitCellBlock(cases[0].text), 1, 7, columns, contextFor()).done);
    EXPECT_EQ(cellText(changed[2], 0, Column::Transmit), "145.52500");
    EXPECT_EQ(changed[1].narrow, 1);
}

TEST(ChannelEditing, CopyOnlyShownGroups) {
    ChannelEntry source = dcsChannel(3, 4, 1);
    source.rxFrequency = source.txFrequency = 14552500;
    source.narrow = 1;
    source.squelchLevel = 9;
    source.inUse = 0;
    std::array<bool, kColumnGroupCount> shown{};
    shown[static_cast<std::size_t>(columnGroup(Column::Receive))] = true;
    shown[static_cast<std::size_t>(columnGroup(Column::ToneType))] = true;
    ChannelEntry target;
    copyChannel(source, target, 4, shown);
    EXPECT_EQ(target.rxFrequency, 14552500u);
    EXPECT_EQ(target.rxDcs, 3);
    EXPECT_EQ(target.outOfRangeAlert, 0); // its group is hidden
    EXPECT_EQ(target.narrow, 0);
    EXPECT_EQ(target.squelchLevel, 0);
    EXPECT_EQ(target.inUse, 0);
    ChannelEntry first;
    copyChannel(source, first, 0, shown);
    EXPECT_EQ(first.inUse, 1);
}

TEST(ChannelEditing, CodeListOfferings) {
    struct Case {
        const char* name;
        int unit;
        bool dtmfAbsent;
        std::vector<int> filled; // codes 1..10 with a stored code
        std::vector<std::string> entries;
        std::string caption;
    };
    // clang-format off
    const Case cases[] = {
        {"2Tone offers filled codes", OptionUnit::k2Tone, true, {1, 3}, {"OFF", "1", "3"}, "2Tone Code"},
        {"SUBSIG offers all", OptionUnit::kSubsig, false, {},
         {"OFF", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0"}, "SUB Signal"},
        {"no DTMF device, no unit: only OFF", OptionUnit::kNone, true, {2}, {"OFF"}, "Page Code"},
        {"no DTMF device, SUBSIG: only OFF", OptionUnit::kSubsig, true, {}, {"OFF"}, "SUB Signal"},
        {"page code 10 shows as 0", OptionUnit::kNone, false, {10}, {"OFF", "0"}, "Page Code"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditContext x = contextFor();
        x.optionUnitType = c.unit;
        x.dtmfDeviceAbsent = c.dtmfAbsent;
        x.callCodes = emptyCallCodes(c.unit);
        for (int code : c.filled)
            x.callCodes[static_cast<std::size_t>(2 * (code - 1))] = 0x12;
        ChannelEntry channel;
        const auto list = selectionList(channel, Column::CallCode, x);
        EXPECT_EQ(list.entries, c.entries);
        EXPECT_EQ(list.caption, c.caption);
        EXPECT_EQ(list.selected, 0);
    }
}

TEST(ChannelEditing, CodeListChoiceAndPreselection) {
    EditContext x = contextFor();
    x.optionUnitType = OptionUnit::kSubsig;
    ChannelEntry channel;
    channel.callCode = 10;
    auto list = selectionList(channel, Column::CallCode, x);
    EXPECT_EQ(list.selected, 10);
    EXPECT_EQ(list.helpContext, 319);
    ASSERT_TRUE(applyListChoice(channel, Column::CallCode, list, 3).done());
    EXPECT_EQ(channel.callCode, 3);
    // A code the list does not offer is not preselected, and OK without a choice keeps it.
    x.optionUnitType = OptionUnit::k2Tone;
    x.callCodes = emptyCallCodes(OptionUnit::k2Tone);
    list = selectionList(channel, Column::CallCode, x);
    EXPECT_EQ(list.selected, -1);
    ASSERT_TRUE(applyListChoice(channel, Column::CallCode, list, std::nullopt).done());
    EXPECT_EQ(channel.callCode, 3);
    // A pasted code the list does not offer: a warning, and the channel keeps its code.
    const auto pasted = pasteIntoCell(channel, Column::CallCode, "4", x);
    EXPECT_TRUE(pasted.done() && pasted.message);
    EXPECT_EQ(channel.callCode, 3);
}

} // namespace
} // namespace mz58
