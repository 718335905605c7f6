// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verbs.h"

#include "ChannelEditing.h"
#include "ProgrammingFile.h"

#include <charconv>
#include <ostream>

namespace mz58::cli {
namespace {

constexpr std::string_view kSetUsage =
    "usage: mz58 set FILE CHANNEL COLUMN TEXT [COLUMN TEXT]... [-o OUT]";

struct CellPaste {
    std::string column;
    std::string text;
};

} // namespace

// Pastes texts into grid cells of one channel, exactly as the grid's Paste does, and saves the
// file only when every paste was taken. Texts are taken literally, also when they begin with
// "-", so the arguments are read here rather than by the option parser.
int verbSet(std::span<const std::string> args, Io& io) {
    if (args.size() < 2)
        return usageError(io, kSetUsage);
    const std::string& file = args[0];
    std::string output = file;
    std::vector<CellPaste> pastes;
    for (std::size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return usageError(io, "a COLUMN without its TEXT\n" + std::string(kSetUsage));
        if (args[i] == "-o")
            output = args[i + 1];
        else
            pastes.push_back({args[i], args[i + 1]});
    }
    int channelNumber = 0;
    const std::string& channelText = args[1];
    const auto parsed =
        std::from_chars(channelText.data(), channelText.data() + channelText.size(), channelNumber);
    if (parsed.ec != std::errc{} || parsed.ptr != channelText.data() + channelText.size() ||
        channelNumber < 1 || channelNumber > kChannelCount)
        return usageError(io, "CHANNEL must be 1..16 (1-8 bank A, 9-16 bank B)");
    if (pastes.empty())
        return usageError(io, kSetUsage);

    ImageState state;
    StreamPrompter prompter(io.err);
    if (!showStatus(OpenProgrammingFile(file, state), prompter))
        return kExitFailure;
    const EditContext context = EditContext::fromState(state);
    ChannelEntry& channel = state.channels.entries[static_cast<std::size_t>(channelNumber - 1)];
    for (const CellPaste& paste : pastes) {
        const auto column = columnFromName(paste.column, state.optionUnit.type);
        if (!column || *column == Column::Channel)
            return usageError(io, "unknown COLUMN '" + paste.column +
                                      "' (a number 1..20 or a header text such as Receive)");
        const std::string where = "Ch " + std::to_string(channelNumber) + " " +
                                  std::string(columnCaption(*column, state.optionUnit.type));
        const EditResult result = pasteIntoCell(channel, *column, paste.text, context);
        if (!result.done()) {
            const std::string why = result.message ? messageText(*result.message) : std::string();
            io.err << where << ": \"" << paste.text << "\" refused: " << why << '\n';
            return kExitFailure;
        }
        // A clamp into the band or a move onto the step grid is said, never silent.
        for (const UserMessage& note : result.messages())
            io.err << where << ": warning: " << messageText(note) << '\n';
    }
    return showStatus(SaveProgrammingFile(output, state), prompter) ? kExitOk : kExitFailure;
}

} // namespace mz58::cli
