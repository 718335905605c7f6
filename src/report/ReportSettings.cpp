// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportSettings.h"

#include "CReportPrinter.h"

namespace mz58 {
namespace {

constexpr std::string_view kFileNameLabel = "File Name";

// Trims both ends and shows every run of blanks as one blank.
std::string simplified(std::string_view text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == ' ') {
            blank = true;
            continue;
        }
        if (blank && !out.empty())
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

void appendSettings(const ReportPage& page, std::vector<ReportSetting>& settings) {
    std::string section;
    for (const std::string& line : page) {
        const std::string text = simplified(line);
        if (text.empty() || text.front() == '*')
            continue;
        const auto colon = line.find(':');
        std::string label;
        std::string value;
        if (colon != std::string::npos) {
            label = simplified(std::string_view(line).substr(0, colon));
            value = simplified(std::string_view(line).substr(colon + 1));
        } else {
            // "Auto power off after  30 mins": the label ends at the first run of blanks
            // inside the line; a line without one is a section caption.
            const auto start = line.find_first_not_of(' ');
            const auto gap = line.find("  ", start);
            if (gap == std::string::npos || line.find_first_not_of(' ', gap) == std::string::npos) {
                section = text;
                continue;
            }
            label = simplified(std::string_view(line).substr(0, gap));
            value = simplified(std::string_view(line).substr(gap));
        }
        if (label == kFileNameLabel)
            continue;
        // The numbered 2-tone code lines carry only the code's number.
        if (allDigits(label))
            label = section + " " + label;
        settings.push_back({std::move(label), std::move(value)});
    }
}

} // namespace

std::vector<ReportSetting> reportSettings(const ImageState& state) {
    CReportPrinter report;
    report.Prepare(state, {});
    std::vector<ReportSetting> settings;
    appendSettings(report.pageLines(1), settings);
    appendSettings(report.pageLines(report.pageCount()), settings);
    return settings;
}

} // namespace mz58
