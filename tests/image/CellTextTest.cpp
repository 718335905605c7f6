#include "CellText.h"

#include <gtest/gtest.h>

namespace mz58 {
namespace {

TEST(CellText, FreshChannelRow) {
    const ChannelEntry fresh;
    const auto row = rowTexts(fresh, 0);
    const std::array<std::string, kColumnCount> expected{
        "  1", "W", "150.00000", "150.00000", "-----", "-----", "-----", "-", "-", "H", "2",
        "-",   "-", "v",         "0",         "-",     "-",     "--",    "-", "-", "-"};
    EXPECT_EQ(row, expected);
}

TEST(CellText, ColumnTexts) {
    struct Case {
        const char* name;
        void (*edit)(ChannelEntry&);
        int position;
        Column column;
        const char* text;
    };
    const Case cases[] = {
        {"position 8", [](ChannelEntry&) {}, 7, Column::Channel, "  8"},
        {"narrow", [](ChannelEntry& c) { c.narrow = 1; }, 0, Column::Width, "N"},
        {"470 MHz", [](ChannelEntry& c) { c.rxFrequency = 47000000; }, 0, Column::Receive,
         "470.00000"},
        {"below 100 MHz", [](ChannelEntry& c) { c.rxFrequency = 9900000; }, 0, Column::Receive,
         " 99.00000"},
        {"inhibited TX", [](ChannelEntry& c) { c.txInhibit = 1; }, 0, Column::Transmit,
         "---.-----"},
        {"no tone hides stale indexes",
         [](ChannelEntry& c) {
             c.rxCtcss = 5;
             c.txDcs = 3;
         },
         0, Column::DecodeTone, "-----"},
        {"CTCSS type", [](ChannelEntry& c) { c.toneType = kToneCtcss; }, 0, Column::ToneType,
         "CTCSS"},
        {"CTCSS 67.0 decode",
         [](ChannelEntry& c) {
             c.toneType = kToneCtcss;
             c.rxCtcss = 1;
         },
         0, Column::DecodeTone, " 67.0"},
        {"CTCSS encode off",
         [](ChannelEntry& c) {
             c.toneType = kToneCtcss;
             c.rxCtcss = 1;
         },
         0, Column::EncodeTone, "Off"},
        {"CTCSS index 40 is 159.8",
         [](ChannelEntry& c) {
             c.toneType = kToneCtcss;
             c.txCtcss = 40;
         },
         0, Column::EncodeTone, "159.8"},
        {"DCS type", [](ChannelEntry& c) { c.toneType = kToneDcs; }, 0, Column::ToneType, "DCS"},
        {"DCS 023",
         [](ChannelEntry& c) {
             c.toneType = kToneDcs;
             c.txDcs = 1;
         },
         0, Column::EncodeTone, "023"},
        {"CTCSS index beyond the table",
         [](ChannelEntry& c) {
             c.toneType = kToneCtcss;
             c.rxCtcss = 80;
         },
         0, Column::DecodeTone, "  #80"},
        {"DCS index beyond the table",
         [](ChannelEntry& c) {
             c.toneType = kToneDcs;
             c.txDcs = 128;
         },
         0, Column::EncodeTone, "#128"},
        {"low power", [](ChannelEntry& c) { c.lowPower = 1; }, 0, Column::Power, "L"},
        {"power level 0", [](ChannelEntry& c) { c.lowPowerLevel = 0; }, 0, Column::PowerLevel, "3"},
        {"power level beyond the list", [](ChannelEntry& c) { c.lowPowerLevel = 3; }, 0,
         Column::PowerLevel, "?"},
        {"scan member 3", [](ChannelEntry& c) { c.scanMember = 3; }, 0, Column::Scan, "v"},
        {"scan member 2", [](ChannelEntry& c) { c.scanMember = 2; }, 0, Column::Scan, "-"},
        {"squelch 12", [](ChannelEntry& c) { c.squelchLevel = 12; }, 0, Column::Squelch, "12"},
        {"busy tone", [](ChannelEntry& c) { c.busyLockout = 2; }, 0, Column::BusyLockout, "BT"},
        {"busy value 3", [](ChannelEntry& c) { c.busyLockout = 3; }, 0, Column::BusyLockout, "?"},
        {"call code 10 shows 0", [](ChannelEntry& c) { c.callCode = 10; }, 0, Column::CallCode,
         "0"},
        {"call code 7", [](ChannelEntry& c) { c.callCode = 7; }, 0, Column::CallCode, "7"},
        {"clock shift", [](ChannelEntry& c) { c.clockShift = 1; }, 0, Column::ClockShift, "v"},
        {"range alert", [](ChannelEntry& c) { c.outOfRangeAlert = 1; }, 0, Column::OutOfRangeAlert,
         "v"},
    };
    for (const auto& c : cases) {
        ChannelEntry entry;
        c.edit(entry);
        EXPECT_EQ(cellText(entry, c.position, c.column), c.text) << c.name;
    }
}

TEST(CellText, ChannelNotInUseIsStillFormatted) {
    ChannelEntry entry;
    entry.inUse = 0;
    entry.narrow = 1;
    const auto row = rowTexts(entry, 2);
    EXPECT_EQ(row[0], "  3");
    EXPECT_EQ(row[1], "N");
}

} // namespace
} // namespace mz58
