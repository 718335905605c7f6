// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CReportPrinter.h"

#include "Messages.h"

#include <filesystem>
#include <optional>
#include <string>

namespace mz58 {

enum class ReportPaper { A4, Letter };

// Letter where the locale measures in US units, A4 elsewhere.
[[nodiscard]] ReportPaper defaultReportPaper();

// Every page of a prepared report as a PDF document drawn by the page renderer, with margins
// of 15 mm; none when the renderer could not draw. Works without a display: when the program
// has no Qt GUI application yet, one is made for the call, on the offscreen platform unless
// QT_QPA_PLATFORM names one.
[[nodiscard]] std::optional<std::string> reportPdf(const CReportPrinter& report, ReportPaper paper);

// Writes the report's PDF as the file `path` atomically (messages 35 and 33 with the reason).
[[nodiscard]] Status writeReportPdf(const CReportPrinter& report, const std::filesystem::path& path,
                                    ReportPaper paper);

} // namespace mz58
