// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AccessoryKeySetting.h"
#include "ChannelTable.h"
#include "DeviceOptions.h"
#include "FunctionSettings.h"
#include "HardwareSettings.h"
#include "ImageCodec.h"
#include "OptionUnit.h"
#include "RadioImage.h"
#include "ScanSettings.h"
#include "SerialNumber.h"

#include <string>
#include <string_view>
#include <vector>

namespace mz58 {

// The lines of one report page, top to bottom; an empty line only advances the line counter.
using ReportPage = std::vector<std::string>;

// The report's designed width: the channel table's lines are this many characters, drawn after
// a left margin of kReportMarginColumns average character widths.
inline constexpr int kReportColumns = 80;
inline constexpr int kReportMarginColumns = 5;

// True for a channel the report lists: in use, with a receive or transmit frequency.
[[nodiscard]] bool isReportedChannel(const ChannelEntry& channel);

// The fixed-width text report of the whole radio configuration: page 1 the radio-wide
// settings, page 2 the channel table (only when a channel is programmed), the last page the
// ANI, DTMF and call-code settings.
class CReportPrinter {
public:
    // Takes the job's copies: the settings blocks decoded from the image, the channels, the
    // 2-tone display flag and the name-and-extension part of `fileName`. Counts the pages.
    void Prepare(const ImageState& state, std::string_view fileName);

    // 2 or 3 once prepared, 0 before.
    [[nodiscard]] int pageCount() const { return m_pageCount; }

    // The lines of page 1..pageCount(); pages beyond the count have no lines.
    [[nodiscard]] ReportPage pageLines(int page) const;

    // Every page in order.
    [[nodiscard]] std::vector<ReportPage> pages() const;

private:
    [[nodiscard]] ReportPage settingsSection() const;
    [[nodiscard]] ReportPage channelSection() const;
    [[nodiscard]] ReportPage signallingSection() const;
    void appendBank(ReportPage& lines, int bank) const;
    void appendCallCodes(ReportPage& lines) const;

    int m_pageCount = 0;
    std::string m_fileName;
    RadioImage m_image{};
    bool m_twoToneUserDefined = false;
    std::array<ChannelEntry, kChannelCount> m_channels{};

    HardwareSettings m_hardware;
    DeviceOptions m_devices;
    OptionUnit m_optionUnit;
    FunctionSettings m_functions;
    ScanSettings m_scan;
    AccessoryKeySetting m_accessoryKey;
    SerialNumber m_serialNumber;
};

// One channel line of the channel table; `positionInBank` is 0..7.
[[nodiscard]] std::string reportChannelLine(const ChannelEntry& channel, int positionInBank);

// The five caption lines above the channel lines, for an option unit type.
[[nodiscard]] std::vector<std::string> reportChannelHeader(int optionUnitType);

} // namespace mz58
