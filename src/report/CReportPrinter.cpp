// SPDX-License-Identifier: GPL-3.0-or-later
#include "CReportPrinter.h"

#include "AniSettings.h"
#include "CallCodeSettings.h"
#include "CellText.h"
#include "FrequencyRules.h"
#include "SettingsListTexts.h"
#include "SignallingTables.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

namespace mz58 {
namespace {

// Texts only the report prints, by stored value.
constexpr std::array<std::string_view, 2> kAniMethodTexts{"PTT Pressed ", "PTT Released"};
constexpr std::array<std::string_view, 4> kAniDelayTexts{"50 msec ", "100 msec", "300 msec",
                                                         "500 msec"};
constexpr std::array<std::string_view, 2> kDtmfSpeedTexts{"50 msec", "100 msec"};
constexpr std::array<std::string_view, 2> kAnswerBackTexts{"Off", "On "};
constexpr std::array<std::string_view, 4> kCallTimesTexts{"Off    ", "1 time ", "3 times",
                                                          "5 times"};

// Any other stored value without a text.
constexpr std::string_view kUnknownValue = "?";

constexpr std::string_view kStars = "        **************************************************";
constexpr std::string_view kRule =
    "--------------------------------------------------------------------------------";

// The caption lines of the channel table; the last one ends with the call-code caption.
constexpr std::array<std::string_view, 4> kChannelCaptions{
    "                                                                          E     ",
    "                                                                          n     ",
    "       W                                       Power Pwr    Q T         A c     ",
    "  Chan /     FREQUENCY       SUB AUDIO         Save  H    S G O Lock  S N r     ",
};
constexpr std::string_view kLastCaptionStart =
    "  Type N Receive   Transmit  Type   Dec   Enc  RX TX L LO C S T Out   Q I y ";

// Width of a CTCSS tone text; "Off" is padded on the right to it so the columns stay aligned.
constexpr std::size_t kCtcssWidth = 5;

template <typename... Args> std::string format(const char* pattern, Args... args) {
    const int length = std::snprintf(nullptr, 0, pattern, args...);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, args...);
    return text;
}

// "%s" of a text in one of the report's line formats.
std::string withText(const char* pattern, std::string_view text) {
    return format(pattern, std::string(text).c_str());
}

template <std::size_t N>
std::string_view listText(const std::array<std::string_view, N>& texts, int value) {
    return mz58::listText(texts, value, kUnknownValue);
}

std::string_view flagText(int value) {
    return value ? "X" : "-";
}

std::string padRight(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string padLeft(std::string text, std::size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

std::string priorityChannelLine(char bank, int channel) {
    if (channel >= 0 && channel < ScanSettings::kNoPriorityChannel)
        return format("     PRI Channel - Bank %c: CH-%d", bank, channel + 1);
    return format("     PRI Channel - Bank %c: None", bank);
}

std::string subAudioPart(const ChannelEntry& c) {
    switch (c.toneType) {
    case kToneCtcss:
        return "CTCSS " + padRight(ctcssText(static_cast<unsigned>(c.rxCtcss)), kCtcssWidth) + " " +
               padRight(ctcssText(static_cast<unsigned>(c.txCtcss)), kCtcssWidth) + " ";
    case kToneDcs:
        // A code without a table entry ("#nnn") takes one of the blanks before it.
        return "DCS    " + padLeft(dcsText(static_cast<unsigned>(c.rxDcs)), 4) + "  " +
               padLeft(dcsText(static_cast<unsigned>(c.txDcs)), 4) + " ";
    default:
        return "----- ----- ----- ";
    }
}

// A 2-tone tone text; a reserved slot without a tone shows its tone number.
std::string twoToneToneText(int group, unsigned position) {
    if (const auto text = twoToneText(group, position))
        return std::string(*text);
    return format("#%d", twoToneGroup(group).base + static_cast<int>(position));
}

std::string twoToneCodeLine(int number, const TwoToneCode& code) {
    if (code.group == kTwoToneOff)
        return format("        %2d:  -----------   ------   ------ ", number);
    const std::string name(twoToneGroup(code.group).name);
    if (code.group == kTwoToneUserDefined)
        return format("        %2d:  %11s  %6d   %6d ", number, name.c_str(),
                      static_cast<int>(code.tone1), static_cast<int>(code.tone2));
    return format("        %2d:  %11s   %6s   %6s ", number, name.c_str(),
                  twoToneToneText(code.group, code.tone1).c_str(),
                  twoToneToneText(code.group, code.tone2).c_str());
}

std::string pageCodeLine(int number, const PageCode& code) {
    if (code.code.empty())
        return format("        Page Code %2d:", number);
    return format("        Page Code %2d:     %3s %s", number, code.code.c_str(),
                  code.encodeAndDecode ? "Dec" : "   ");
}

int codeNumber(std::size_t index) {
    return callCodeDisplayNumber(static_cast<int>(index) + 1);
}

} // namespace

bool isReportedChannel(const ChannelEntry& channel) {
    return channel.inUse && (channel.rxFrequency != 0 || channel.txFrequency != 0);
}

std::string reportChannelLine(const ChannelEntry& c, int positionInBank) {
    const auto cell = [&](Column column) { return cellText(c, positionInBank, column); };
    std::string line = format("  CH-%d ", positionInBank + 1);
    line += cell(Column::Width) + " ";
    line += cell(Column::Receive) + " ";
    line += cell(Column::Transmit) + " ";
    line += subAudioPart(c);
    line += format(" %s  %s ", flagText(c.rxSave).data(), flagText(c.txSave).data());
    line += cell(Column::Power) + "  " + cell(Column::PowerLevel) + " ";
    // Scan membership as the grid shows it: by its lowest bit.
    line += format("%s %s ", flagText(c.scanMember & 1).data(), flagText(c.groupScanMember).data());
    line += format("%s  %s  %2d %s ", flagText(c.totEnabled).data(),
                   padRight(cell(Column::BusyLockout), 2).c_str(), c.squelchLevel,
                   flagText(c.aniEnabled).data());
    line += format("%s ", flagText(c.encryption).data());
    line += ' ';
    line += cell(Column::CallCode);
    return line;
}

std::vector<std::string> reportChannelHeader(int optionUnitType) {
    std::vector<std::string> lines(kChannelCaptions.begin(), kChannelCaptions.end());
    const char* callCaption = "Page";
    if (optionUnitType == OptionUnit::kSubsig)
        callCaption = "SIG ";
    else if (optionUnitType == OptionUnit::k2Tone)
        callCaption = "2Ton";
    lines.push_back(std::string(kLastCaptionStart) + callCaption);
    return lines;
}

void CReportPrinter::Prepare(const ImageState& state, std::string_view fileName) {
    m_fileName = std::filesystem::path(fileName).filename().string();
    m_image = state.image;
    m_twoToneUserDefined = state.twoToneUserDefined;
    m_channels = state.channels.entries;

    m_hardware.decode(m_image);
    m_devices.decode(m_image);
    m_optionUnit.decode(m_image);
    m_functions.decode(m_image);
    m_scan.decode(m_image);
    m_accessoryKey.decode(m_image);
    m_serialNumber.decode(m_image);

    const bool anyChannel = std::any_of(m_channels.begin(), m_channels.end(), isReportedChannel);
    m_pageCount = anyChannel ? 3 : 2;
}

ReportPage CReportPrinter::pageLines(int page) const {
    if (page < 1 || page > m_pageCount)
        return {};
    if (page == 1)
        return settingsSection();
    if (page == m_pageCount)
        return signallingSection();
    return channelSection();
}

std::vector<ReportPage> CReportPrinter::pages() const {
    std::vector<ReportPage> all;
    for (int page = 1; page <= m_pageCount; ++page)
        all.push_back(pageLines(page));
    return all;
}

ReportPage CReportPrinter::settingsSection() const {
    ReportPage l;
    l.emplace_back(kStars);
    l.emplace_back("        *****   Keldor  QM-610 Portable Transceiver  *****");
    l.emplace_back(kStars);
    l.emplace_back();
    l.push_back(
        withText("                                                   File Name: %s", m_fileName));
    l.emplace_back();
    l.emplace_back();
    l.push_back(withText("Serial No:  %s", m_serialNumber.digits));
    l.emplace_back();
    l.emplace_back();

    l.emplace_back("Hardware Environments");
    l.emplace_back();
    l.push_back(withText("     Band:                 %s", bandLimits(m_hardware.band).name));
    l.push_back(format("     Ref Xtal:             %5.2fMHz", m_hardware.reference));
    l.push_back(format("     First IF:             %5.2fMHz", m_hardware.firstIf));
    l.push_back(withText("     Local Offset:         %s",
                         listText(kInjectionSideTexts, m_hardware.injection)));
    const auto spacing = m_hardware.stepPair >= 0 && m_hardware.stepPair < kStepPairCount
                             ? kStepPairs[static_cast<std::size_t>(m_hardware.stepPair)].label
                             : kUnknownValue;
    l.push_back(withText("     Channel Spacing:      %s", spacing));
    l.emplace_back();
    l.push_back(withText("     Encryption Device:    %s",
                         listText(kBoardPresenceTexts, m_devices.encryptionAbsent)));
    l.push_back(withText("     DTMF Device:          %s",
                         listText(kBoardPresenceTexts, m_devices.dtmfAbsent)));
    l.push_back(withText("     Sub CPU:              %s", optionUnitReportText(m_optionUnit.type)));
    l.emplace_back();
    l.emplace_back();

    l.emplace_back("Power Saving Parameters");
    l.emplace_back();
    if (m_functions.transmitTimer == 0)
        l.emplace_back("     Tx Timeout Timer:     0.5 mins");
    else
        l.push_back(format("     Tx Timeout Timer:     %-3d mins", m_functions.transmitTimer));
    l.push_back(withText("     TOT Penalty Timer:    %-3.3s secs",
                         listText(kTotPenaltyTexts, m_functions.penaltyTime)));
    l.push_back(withText("     PTT Release Timer:    %-3.3s secs",
                         listText(kPttReleaseTexts, m_functions.releaseTime)));
    // Both lines go with automatic power off: the receive-save mode only shows beside it.
    if (m_functions.autoPowerOff != 0) {
        l.push_back(withText("     Auto power off after  %s ",
                             listText(kAutoPowerOffTexts, m_functions.autoPowerOff)));
        l.push_back(withText("     Receive Save Mode:    %s",
                             listText(kReceiveSaveTexts, m_functions.receiveSave)));
    }
    l.emplace_back();
    l.emplace_back();

    l.emplace_back("Scan Parameters");
    l.emplace_back();
    l.push_back(format("     Dual Watch Time:      %d msecs", (m_scan.dualWatchTimer + 2) * 250));
    l.push_back(withText("     Scan Resume Time 1:   %-4.4s secs",
                         listText(kScanResumeTime1Texts, m_scan.resumeTime1)));
    l.push_back(withText("     Scan Resume Time 2:   %-4.4s secs",
                         listText(kScanResumeTime2Texts, m_scan.resumeTime2)));
    l.push_back(withText("     Talk Back:            %s",
                         listText(kDisabledEnabledTexts, m_scan.answerBack)));
    l.push_back(withText("     Revert Channel:       %s",
                         listText(kRevertChannelTexts, m_scan.revertChannel)));
    l.push_back(withText("     PRI Channel Beep:     %s",
                         kEnabledDisabledTexts[m_scan.priorityBeep == 0 ? 0 : 1]));
    l.push_back(priorityChannelLine('A', m_scan.bankAPriorityChannel));
    l.push_back(priorityChannelLine('B', m_scan.bankBPriorityChannel));
    l.emplace_back();
    l.emplace_back();

    l.emplace_back("Key Definition");
    l.emplace_back();
    l.push_back(withText("     Accessory Key:        %s",
                         listText(kAccessoryKeyTexts, m_accessoryKey.code)));
    l.emplace_back();
    l.emplace_back();
    return l;
}

ReportPage CReportPrinter::channelSection() const {
    ReportPage l;
    l.emplace_back("     ");
    l.emplace_back("                **********   CHANNEL DATA   **********");
    for (auto& caption : reportChannelHeader(m_optionUnit.type))
        l.push_back(std::move(caption));
    l.emplace_back(kRule);
    l.emplace_back("*** Bank A ***");
    appendBank(l, kBankA);
    if (m_accessoryKey.code == AccessoryKeySetting::kBankB) {
        l.emplace_back("*** Bank B ***");
        appendBank(l, kBankB);
    }
    l.emplace_back();
    return l;
}

void CReportPrinter::appendBank(ReportPage& lines, int bank) const {
    for (int position = 0; position < kChannelsPerBank; ++position) {
        const auto& channel =
            m_channels[static_cast<std::size_t>(bank * kChannelsPerBank + position)];
        if (!isReportedChannel(channel))
            continue;
        lines.push_back(reportChannelLine(channel, position));
        lines.emplace_back();
    }
}

ReportPage CReportPrinter::signallingSection() const {
    AniSettings ani;
    ani.decode(m_image);
    DtmfSettings dtmf;
    dtmf.decode(m_image);

    ReportPage l;
    l.emplace_back("     ANI Parameters");
    l.emplace_back();
    l.push_back(withText("        ANI Transmit:     %s", listText(kAniMethodTexts, ani.method)));
    l.push_back(withText("        ANI Delay:        %s", listText(kAniDelayTexts, ani.delay)));
    l.push_back(withText("        ANI Speed:        %s", listText(kAniSpeedTexts, ani.speed)));
    l.push_back(withText("        ANI Code:         %15s", ani.code));
    l.emplace_back();
    l.emplace_back("     DTMF Parameters");
    l.emplace_back();
    l.push_back(withText("        DTMF Speed:       %s", listText(kDtmfSpeedTexts, dtmf.speed)));
    l.push_back(
        withText("        Answer Back:      %s", listText(kAnswerBackTexts, dtmf.answerBack)));
    l.push_back(
        withText("        Call times:       %s", listText(kCallTimesTexts, dtmf.callCount)));
    l.emplace_back();
    appendCallCodes(l);
    l.emplace_back();
    return l;
}

void CReportPrinter::appendCallCodes(ReportPage& lines) const {
    if (m_optionUnit.type == OptionUnit::k2Tone) {
        lines.emplace_back("     2 TONE Codes");
        lines.emplace_back();
        // A copy of the flag: showing the report changes nothing in the document.
        bool userDefined = m_twoToneUserDefined;
        TwoToneTable table;
        table.decode(m_image, userDefined);
        for (std::size_t k = 0; k < table.entries.size(); ++k)
            lines.push_back(twoToneCodeLine(codeNumber(k), table.entries[k]));
        return;
    }
    lines.emplace_back("     PAGE Codes");
    lines.emplace_back();
    PageCodeTable table;
    table.decode(m_image);
    for (std::size_t k = 0; k < table.entries.size(); ++k)
        lines.push_back(pageCodeLine(codeNumber(k), table.entries[k]));
}

} // namespace mz58
