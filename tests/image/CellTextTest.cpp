// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellText.h"

#include <gtest/gtest.h>

namespace mz58 {
namespace {

// Whole rows of fresh files are in the channels verb's golden file (FileVerbsTest).
TEST(CellText, ColumnTexts) {
    struct Case {
        const char* name;
        ChannelEntry entry;
        int position;
        Column column;
        const char* text;
    };
    const Case cases[] = {
        {"position 8", {}, 7, Column::Channel, "  8"},
        {"not in use", {.inUse = 0, .narrow = 1}, 2, Column::Width, "N"},
        {"470 MHz", {.rxFrequency = 47000000}, 0, Column::Receive, "470.00000"},
        {"99 MHz", {.rxFrequency = 9900000}, 0, Column::Receive, " 99.00000"},
        {"TX inhibited", {.txInhibit = 1}, 0, Column::Transmit, "---.-----"},
        {"no tone hides indexes", {.rxCtcss = 5, .txDcs = 3}, 0, Column::DecodeTone, "-----"},
        {"CTCSS", {.toneType = kToneCtcss}, 0, Column::ToneType, "CTCSS"},
        {"67.0", {.toneType = kToneCtcss, .rxCtcss = 1}, 0, Column::DecodeTone, " 67.0"},
        {"CTCSS off", {.toneType = kToneCtcss, .rxCtcss = 1}, 0, Column::EncodeTone, "Off"},
        {"index 40", {.toneType = kToneCtcss, .txCtcss = 40}, 0, Column::EncodeTone, "159.8"},
        {"DCS", {.toneType = kToneDcs}, 0, Column::ToneType, "DCS"},
        {"DCS 023", {.toneType = kToneDcs, .txDcs = 1}, 0, Column::EncodeTone, "023"},
        {"CTCSS 80", {.toneType = kToneCtcss, .rxCtcss = 80}, 0, Column::DecodeTone, "  #80"},
        {"DCS 128", {.toneType = kToneDcs, .txDcs = 128}, 0, Column::EncodeTone, "#128"},
        {"low power", {.lowPower = 1}, 0, Column::Power, "L"},
        {"power level 0", {.lowPowerLevel = 0}, 0, Column::PowerLevel, "3"},
        {"power level 3", {.lowPowerLevel = 3}, 0, Column::PowerLevel, "?"},
        {"scan member 3", {.scanMember = 3}, 0, Column::Scan, "v"},
        {"scan member 2", {.scanMember = 2}, 0, Column::Scan, "-"},
        {"squelch 12", {.squelchLevel = 12}, 0, Column::Squelch, "12"},
        {"busy tone", {.busyLockout = 2}, 0, Column::BusyLockout, "BT"},
        {"busy value 3", {.busyLockout = 3}, 0, Column::BusyLockout, "?"},
        {"call code 10", {.callCode = 10}, 0, Column::CallCode, "0"},
        {"call code 7", {.callCode = 7}, 0, Column::CallCode, "7"},
        {"clock shift", {.clockShift = 1}, 0, Column::ClockShift, "v"},
        {"range alert", {.outOfRangeAlert = 1}, 0, Column::OutOfRangeAlert, "v"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellText(c.entry, c.position, c.column), c.text) << c.name;
}

} // namespace
} // namespace mz58
