// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellText.h"

#include "CallCodeSettings.h"
#include "FrequencyRules.h"
#include "SettingsListTexts.h"
#include "SignallingTables.h"

#include <cstdio>

namespace mz58 {
namespace {

std::string flagText(int value) {
    return value ? "v" : "-";
}

std::string number(const char* format, int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Text of a small list value; a stored value beyond the list shows as "?".
template <std::size_t N> std::string listText(const std::array<const char*, N>& list, int value) {
    return mz58::listText<const char*, N>(list, value, "?");
}

constexpr std::array<const char*, 3> kPowerLevels{"3", "2", "1"};
constexpr std::array<const char*, 4> kScanMember{"-", "v", "-", "v"};
constexpr std::array<const char*, 3> kBusyLockout{"--", "BC", "BT"};
constexpr const char* kNoTone = "-----";

std::string toneCell(const ChannelEntry& c, Column column) {
    switch (c.toneType) {
    case kToneCtcss:
        if (column == Column::ToneType)
            return "CTCSS";
        return ctcssText(
            static_cast<unsigned>(column == Column::DecodeTone ? c.rxCtcss : c.txCtcss));
    case kToneDcs:
        if (column == Column::ToneType)
            return "DCS";
        return dcsText(static_cast<unsigned>(column == Column::DecodeTone ? c.rxDcs : c.txDcs));
    default:
        return kNoTone;
    }
}

} // namespace

std::string cellText(const ChannelEntry& c, int positionInBank, Column column) {
    switch (column) {
    case Column::Channel:
        return number("%3d", positionInBank + 1);
    case Column::Width:
        return c.narrow ? "N" : "W";
    case Column::Receive:
        return formatFrequency(c.rxFrequency);
    case Column::Transmit:
        return c.txInhibit ? std::string(kInhibitedTxText) : formatFrequency(c.txFrequency);
    case Column::ToneType:
    case Column::DecodeTone:
    case Column::EncodeTone:
        return toneCell(c, column);
    case Column::RxSave:
        return flagText(c.rxSave);
    case Column::TxSave:
        return flagText(c.txSave);
    case Column::Power:
        return c.lowPower ? "L" : "H";
    case Column::PowerLevel:
        return listText(kPowerLevels, c.lowPowerLevel);
    case Column::Scan:
        return listText(kScanMember, c.scanMember);
    case Column::GroupScan:
        return flagText(c.groupScanMember);
    case Column::TimeOut:
        return flagText(c.totEnabled);
    case Column::Squelch:
        return number("%d", c.squelchLevel);
    case Column::Ani:
        return flagText(c.aniEnabled);
    case Column::Encryption:
        return flagText(c.encryption);
    case Column::BusyLockout:
        return listText(kBusyLockout, c.busyLockout);
    case Column::CallCode:
        if (c.callCode == 0)
            return "-";
        return number("%1d", callCodeDisplayNumber(c.callCode));
    case Column::ClockShift:
        return flagText(c.clockShift);
    case Column::OutOfRangeAlert:
        return flagText(c.outOfRangeAlert);
    case Column::Count:
        break;
    }
    return {};
}

std::array<std::string, kColumnCount> rowTexts(const ChannelEntry& channel, int positionInBank) {
    std::array<std::string, kColumnCount> row;
    for (int col = 0; col < kColumnCount; ++col)
        row[static_cast<std::size_t>(col)] =
            cellText(channel, positionInBank, static_cast<Column>(col));
    return row;
}

} // namespace mz58
