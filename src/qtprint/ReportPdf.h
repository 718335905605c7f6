#pragma once

#include "CReportPrinter.h"

#include <filesystem>

namespace mz58 {

enum class ReportPaper { A4, Letter };

// Letter where the locale measures in US units, A4 elsewhere.
[[nodiscard]] ReportPaper defaultReportPaper();

// Writes every page of a prepared report into a PDF file at `path` through the page renderer,
// with margins of 15 mm. Works without a display: when the program has no Qt GUI application
// yet, one is made for the call, on the offscreen platform unless QT_QPA_PLATFORM names one.
[[nodiscard]] bool writeReportPdf(const CReportPrinter& report, const std::filesystem::path& path,
                                  ReportPaper paper);

} // namespace mz58
