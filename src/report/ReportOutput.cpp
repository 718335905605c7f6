// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportOutput.h"

namespace mz58 {

std::string reportText(const CReportPrinter& report) {
    std::string text;
    const auto pages = report.pages();
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            text += "\f\n";
        for (const auto& line : pages[page]) {
            text += line;
            text += '\n';
        }
    }
    return text;
}

} // namespace mz58
