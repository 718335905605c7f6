// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verbs.h"

#include "ImageDiff.h"
#include "ProgrammingFile.h"

#include <ostream>

namespace mz58::cli {

// Exit status as diff(1) gives it: 0 the same, 1 different, 2 trouble.
int verbDiff(std::span<const std::string> args, Io& io) {
    const auto parsed = Arguments::parse(args, {}, {}, io);
    if (!parsed)
        return kExitUsage;
    if (parsed->positional().size() != 2)
        return usageError(io, "usage: mz58 diff A.q7m B.q7m");
    ImageState a;
    ImageState b;
    StreamPrompter prompter(io.err);
    if (!showStatus(OpenProgrammingFile(parsed->positional()[0], a), prompter) ||
        !showStatus(OpenProgrammingFile(parsed->positional()[1], b), prompter))
        return kExitUsage;
    const auto lines = imageDifferences(a, b);
    for (const auto& line : lines)
        io.out << line << '\n';
    return lines.empty() ? kExitOk : kExitFailure;
}

} // namespace mz58::cli
