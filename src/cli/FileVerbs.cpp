// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verbs.h"

#include "CellText.h"
#include "FrequencyRules.h"
#include "ImageDump.h"
#include "OptionUnit.h"
#include "ProgrammingFile.h"
#include "UsabilityWarnings.h"

#include <array>
#include <cstdio>
#include <ostream>

namespace mz58::cli {
namespace {

constexpr std::string_view kOutput = "-o";
constexpr std::string_view kBand = "--band";

// Parses the arguments of a verb that takes exactly `positionalCount` positional arguments.
std::optional<Arguments> parseVerb(std::span<const std::string> args, std::size_t positionalCount,
                                   std::span<const std::string_view> valued, Io& io,
                                   std::string_view usage) {
    auto parsed = Arguments::parse(args, {}, valued, io);
    if (parsed && parsed->positional().size() != positionalCount) {
        usageError(io, "usage: mz58 " + std::string(usage));
        return std::nullopt;
    }
    return parsed;
}

// For the verbs that take just one programming file: parses the arguments and opens the file,
// as File > Open does, with the warning about values the radio cannot use. Returns the exit
// status when that did not work.
std::optional<int> openOnlyArgument(std::span<const std::string> args, std::string_view usage,
                                    ImageState& state, Io& io,
                                    bool warnsAboutUnusableValues = true) {
    const auto parsed = parseVerb(args, 1, {}, io, usage);
    if (!parsed)
        return kExitUsage;
    StreamPrompter prompter(io.err);
    if (!showStatus(OpenProgrammingFile(parsed->positional()[0], state), prompter))
        return kExitFailure;
    if (warnsAboutUnusableValues)
        tellUsabilityWarnings(prompter, state);
    return std::nullopt;
}

template <typename Cells> void printTabSeparated(std::ostream& out, const Cells& cells) {
    for (std::size_t col = 0; col < cells.size(); ++col)
        out << (col ? "\t" : "") << cells[col];
    out << '\n';
}

std::string trimmed(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

} // namespace

int verbNew(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 2> valued{kOutput, kBand};
    const auto parsed = parseVerb(args, 0, valued, io, "new [--band vhf|uhf] -o FILE");
    if (!parsed)
        return kExitUsage;
    const auto output = parsed->value(kOutput);
    if (!output)
        return usageError(io, "usage: mz58 new [--band vhf|uhf] -o FILE");
    const std::string band = parsed->value(kBand).value_or("vhf");
    if (band != "vhf" && band != "uhf")
        return usageError(io, "--band must be vhf or uhf");

    ImageState state;
    ImageCodec::makeNewImage(state, band == "uhf" ? kUhf : kVhf);
    StreamPrompter prompter(io.err);
    return showStatus(SaveProgrammingFile(*output, state), prompter) ? kExitOk : kExitFailure;
}

int verbInfo(std::span<const std::string> args, Io& io) {
    ImageState state;
    if (const auto status = openOnlyArgument(args, "info FILE", state, io))
        return *status;

    char offset[32];
    std::snprintf(offset, sizeof offset, "%.4f MHz", state.localOffset);
    io.out << "Serial number:\t" << state.serialNumber.digits << '\n'
           << "Band:\t" << trimmed(bandLimits(state.hardware.band).name) << '\n'
           << "Model:\tQM-610\n"
           << "Firmware version:\t" << firmwareVersionText(state.image) << '\n'
           << "Option unit:\t" << trimmed(optionUnitText(state.optionUnit.type)) << '\n'
           << "Local offset:\t" << offset << '\n';
    return kExitOk;
}

int verbDump(std::span<const std::string> args, Io& io) {
    ImageState state;
    // The dump shows bytes, not values: nothing to warn about.
    if (const auto status = openOnlyArgument(args, "dump FILE", state, io, false))
        return *status;
    for (const auto& row : imageDumpCells(state.image))
        printTabSeparated(io.out, row);
    return kExitOk;
}

int verbChannels(std::span<const std::string> args, Io& io) {
    ImageState state;
    if (const auto status = openOnlyArgument(args, "channels FILE", state, io))
        return *status;
    for (int i = 0; i < kChannelCount; ++i)
        printTabSeparated(io.out, rowTexts(state.channels.entries[static_cast<std::size_t>(i)],
                                           i % kChannelsPerBank));
    return kExitOk;
}

int verbConvert(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 1> valued{kOutput};
    const auto parsed = parseVerb(args, 1, valued, io, "convert IN.q7m -o OUT.q7m");
    if (!parsed)
        return kExitUsage;
    const auto output = parsed->value(kOutput);
    if (!output)
        return usageError(io, "usage: mz58 convert IN.q7m -o OUT.q7m");
    ImageState state;
    StreamPrompter prompter(io.err);
    if (!showStatus(OpenProgrammingFile(parsed->positional()[0], state), prompter))
        return kExitFailure;
    tellUsabilityWarnings(prompter, state);
    return showStatus(SaveProgrammingFile(*output, state), prompter) ? kExitOk : kExitFailure;
}

} // namespace mz58::cli
