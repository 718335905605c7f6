// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"

#include <string>
#include <vector>

namespace mz58 {

// One radio-wide setting as the report prints it: the label before the colon and the value
// after it, trimmed, with runs of blanks shown as one.
struct ReportSetting {
    std::string label;
    std::string value;

    bool operator==(const ReportSetting&) const = default;
};

// The settings of the report's first page (hardware, power saving, scan, key) and its last
// page (ANI, DTMF, call codes), in report order, taken from the report's own lines so that
// they always read as the report does. The file name and the section captions are left out.
[[nodiscard]] std::vector<ReportSetting> reportSettings(const ImageState& state);

} // namespace mz58
