// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelGridLayout.h"

#include "AccessoryKeySetting.h"
#include "ChannelTable.h"
#include "OptionUnit.h"
#include "Translatable.h"

#include <cstdio>

namespace mz58 {
namespace {

struct ColumnSpec {
    const char* groupCaption;
    const char* caption;
    int widthTwips;
    int group;
};

constexpr std::array<ColumnSpec, kColumnCount> kColumns{{
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Chn"), 480, kAlwaysShown},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "W/N"), 480, 0},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Frequency"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Receive"), 1080, 1},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Frequency"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Transmit"), 1080, 1},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "SUB AUDIO"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Type"), 600, 2},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "SUB AUDIO"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Dec"), 600, 2},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "SUB AUDIO"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Enc"), 600, 2},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Pwr Save"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "RX"), 480, 3},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Pwr Save"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "TX"), 480, 3},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Power"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "H"), 480, 4},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Power"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "L"), 480, 4},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "SC"), 480, 5},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "QGS"), 480, 6},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "TOT"), 480, 7},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "SQ"), 480, 8},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "ANI"), 480, 9},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Encr"), 480, 10},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Lock"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "out"), 480, 11},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Page"), 480, 12},
    {MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Clk"),
     MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Sft"), 480, 13},
    {"", MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "RNGA"), 480, 14},
}};

constexpr std::array<const char*, kColumnGroupCount> kGroupMenuTexts{
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "宽/窄"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "频率"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "副载波"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "省电"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "功率"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "扫描"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "QGS集群"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "发射超时"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "静噪"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "ANI双音多频"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "加密功能"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "繁忙信道锁定"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Page/Sig双音多频呼叫"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "钟频偏移"),
    MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "通讯圈外提示"),
};

constexpr std::array<int, kColumnGroupCount> kGroupMenuOrder{0, 1, 2,  3,  4,  5,  6, 7,
                                                             9, 8, 10, 11, 12, 13, 14};

constexpr int kFirstColumnHelpContext = 300;

const ColumnSpec& layoutOf(Column column) {
    const auto index = static_cast<std::size_t>(column);
    return kColumns[index < kColumns.size() ? index : 0];
}

std::string padded13(const char* text) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%-13s", text);
    return buffer;
}

} // namespace

std::string_view columnCaption(Column column, int optionUnitType) {
    if (column == Column::CallCode) {
        switch (optionUnitType) {
        case OptionUnit::k2Tone:
            return MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "2Ton");
        case OptionUnit::kSubsig:
            return MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "SIG");
        default:
            return MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Page");
        }
    }
    return layoutOf(column).caption;
}

std::string_view columnGroupCaption(Column column) {
    return layoutOf(column).groupCaption;
}

int columnWidthTwips(Column column) {
    return layoutOf(column).widthTwips;
}

int columnGroup(Column column) {
    return layoutOf(column).group;
}

std::string_view columnGroupMenuText(int group) {
    if (group < 0 || group >= kColumnGroupCount)
        return {};
    return kGroupMenuTexts[static_cast<std::size_t>(group)];
}

bool columnGroupShownByDefault(int group) {
    return group != columnGroup(Column::OutOfRangeAlert);
}

const std::array<int, kColumnGroupCount>& columnGroupMenuOrder() {
    return kGroupMenuOrder;
}

int columnHelpContext(Column column, int optionUnitType) {
    const int index = static_cast<int>(column);
    if (column < Column::CallCode)
        return kFirstColumnHelpContext + index;
    if (column == Column::CallCode) {
        switch (optionUnitType) {
        case OptionUnit::k2Tone:
            return 319;
        case OptionUnit::kSubsig:
            return 320;
        default:
            return 318;
        }
    }
    // The two topics of the call code's variants push the later columns on by two.
    return kFirstColumnHelpContext + index + 2;
}

std::string bankLabelText(int bank) {
    return bank == kBankB ? " BANK  B  " : " BANK  A  ";
}

std::string bandText(int band) {
    return padded13(band == kUhf ? "UHF" : "VHF ");
}

std::string modelText() {
    return padded13("QM-610");
}

std::string comPortText(int port) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "COM%d", port);
    return buffer;
}

bool bankKeyFitted(const RadioImage& image) {
    AccessoryKeySetting key;
    key.decode(image);
    return key.code == AccessoryKeySetting::kBankB;
}

int nextBank(int bank, const std::array<int, 2>& bankCounts) {
    for (int step = 1; step <= 2; ++step) {
        const int candidate = (bank + step) % 2;
        if (bankCounts[static_cast<std::size_t>(candidate)] > 0)
            return candidate;
    }
    return bank;
}

} // namespace mz58
