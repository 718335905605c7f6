// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verbs.h"

#include "ChirpCsv.h"
#include "ProgrammingFile.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sstream>

namespace mz58::cli {
namespace {

constexpr std::string_view kOutput = "-o";
constexpr std::string_view kSkipInvalid = "--skip-invalid";
constexpr std::string_view kAt = "--at";
constexpr std::string_view kExportUsage = "usage: mz58 export-csv FILE [-o OUT.csv]";
constexpr std::string_view kImportUsage =
    "usage: mz58 import-csv FILE IN.csv [-o OUT] [--skip-invalid] [--at N]";

// A channel plan is a few kilobytes; anything far larger is no channel plan.
constexpr std::streamoff kLargestCsv = 4 * 1024 * 1024;

// The whole text of a CSV file, or nullopt after telling why it cannot be read.
std::optional<std::string> readCsvFile(const std::string& path, Io& io) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        io.err << "mz58: " << path << ": cannot open the CSV file (" << std::strerror(errno)
               << ")\n";
        return std::nullopt;
    }
    std::ostringstream text;
    char buffer[4096];
    std::streamoff total = 0;
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        total += in.gcount();
        if (total > kLargestCsv) {
            io.err << "mz58: " << path << ": too large for a channel plan\n";
            return std::nullopt;
        }
        text.write(buffer, in.gcount());
    }
    if (in.bad()) {
        io.err << "mz58: " << path << ": cannot read the CSV file\n";
        return std::nullopt;
    }
    return text.str();
}

} // namespace

int verbExportCsv(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 1> valued{kOutput};
    const auto parsed = Arguments::parse(args, {}, valued, io);
    if (!parsed)
        return kExitUsage;
    if (parsed->positional().size() != 1)
        return usageError(io, kExportUsage);
    ImageState state;
    StreamPrompter prompter(io.err);
    if (!showStatus(OpenProgrammingFile(parsed->positional()[0], state), prompter))
        return kExitFailure;
    const std::string csv = exportChirpCsv(state);
    if (const auto output = parsed->value(kOutput))
        return showStatus(WriteFileAtomically(*output, csv), prompter) ? kExitOk : kExitFailure;
    io.out << csv;
    return kExitOk;
}

int verbImportCsv(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 1> flags{kSkipInvalid};
    constexpr std::array<std::string_view, 2> valued{kOutput, kAt};
    const auto parsed = Arguments::parse(args, flags, valued, io);
    if (!parsed)
        return kExitUsage;
    if (parsed->positional().size() != 2)
        return usageError(io, kImportUsage);
    int startChannel = 0; // by Location
    if (const auto at = parsed->value(kAt)) {
        const auto end = at->data() + at->size();
        const auto [ptr, ec] = std::from_chars(at->data(), end, startChannel);
        if (at->empty() || ec != std::errc{} || ptr != end || startChannel < 1 ||
            startChannel > kChannelCount)
            return usageError(io, "mz58 import-csv: --at takes a channel 1..16");
    }
    const std::string& file = parsed->positional()[0];
    const std::string& csvPath = parsed->positional()[1];

    ImageState state;
    StreamPrompter prompter(io.err);
    if (!showStatus(OpenProgrammingFile(file, state), prompter))
        return kExitFailure;
    const auto csv = readCsvFile(csvPath, io);
    if (!csv)
        return kExitFailure;

    const auto policy = parsed->has(kSkipInvalid) ? InvalidRows::Skip : InvalidRows::Refuse;
    const ChirpImportResult result = importChirpCsv(*csv, state, policy, startChannel);
    std::istringstream report(importReportText(result));
    for (std::string line; std::getline(report, line);)
        io.err << "mz58: " << csvPath << ": " << line << '\n';
    if (result.failed()) {
        io.err << "mz58: nothing was imported; " << file << " is unchanged\n";
        return kExitFailure;
    }
    const std::string output = parsed->value(kOutput).value_or(file);
    return showStatus(SaveProgrammingFile(output, state), prompter) ? kExitOk : kExitFailure;
}

} // namespace mz58::cli
