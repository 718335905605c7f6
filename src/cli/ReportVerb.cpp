// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verbs.h"

#include "CReportPrinter.h"
#include "ProgrammingFile.h"
#include "ReportOutput.h"
#include "ReportPdf.h"
#include "UsabilityWarnings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <ostream>
#include <system_error>

namespace mz58::cli {
namespace {

constexpr std::string_view kOutput = "-o";
constexpr std::string_view kUsage = "usage: mz58 report FILE [-o OUT.txt|OUT.pdf]";

bool isPdfName(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".pdf";
}

// Writes the report atomically: the old file stays whole unless the new one is complete.
Status writeReportFile(const CReportPrinter& report, const std::filesystem::path& target) {
    if (isPdfName(target))
        return writeReportPdf(report, target, defaultReportPaper());
    return WriteFileAtomically(target, reportText(report));
}

} // namespace

int verbReport(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 1> valued{kOutput};
    const auto parsed = Arguments::parse(args, {}, valued, io);
    if (!parsed)
        return kExitUsage;
    if (parsed->positional().size() != 1)
        return usageError(io, kUsage);

    const std::string& input = parsed->positional()[0];
    StreamPrompter prompter(io.err);
    ImageState state;
    if (!showStatus(OpenProgrammingFile(input, state), prompter))
        return kExitFailure;
    tellUsabilityWarnings(prompter, state);

    const auto output = parsed->value(kOutput);
    std::error_code ec;
    if (output && std::filesystem::equivalent(input, *output, ec))
        return usageError(io, "the report would replace its own programming file");

    CReportPrinter report;
    report.Prepare(state, input);
    if (output)
        return showStatus(writeReportFile(report, *output), prompter) ? kExitOk : kExitFailure;
    io.out << reportText(report);
    return kExitOk;
}

} // namespace mz58::cli
