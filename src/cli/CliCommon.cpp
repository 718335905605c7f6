// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommon.h"

#include "ProgrammingFile.h"

#include <algorithm>
#include <ostream>

namespace mz58::cli {

namespace {
// Message texts use CR LF line breaks; a terminal wants plain line feeds.
std::string withPlainLineBreaks(std::string text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}
} // namespace

void StreamPrompter::tell(const UserMessage& message) {
    m_err << "mz58: " << withPlainLineBreaks(messageText(message));
    if (const auto explanation = messageExplanation(message); !explanation.empty())
        m_err << " (" << explanation << ")";
    m_err << '\n';
    for (const auto& line : message.lines)
        tell(line);
}

Answer StreamPrompter::ask(StringId id, std::span<const std::string> args, Buttons buttons, Icon) {
    m_err << "mz58: " << withPlainLineBreaks(formatMessage(stringText(id), args));
    if (const auto gloss = stringGloss(id); !gloss.empty())
        m_err << " (" << gloss << ")";
    m_err << '\n';
    // Nobody answers on the command line: questions take their cautious answer.
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

std::optional<Arguments> Arguments::parse(std::span<const std::string> args,
                                          std::span<const std::string_view> flags,
                                          std::span<const std::string_view> valued, Io& io) {
    Arguments result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-') {
            result.m_positional.push_back(a);
            continue;
        }
        if (std::find(flags.begin(), flags.end(), a) != flags.end()) {
            result.m_options.emplace_back(a, std::string{});
        } else if (std::find(valued.begin(), valued.end(), a) != valued.end()) {
            if (i + 1 >= args.size()) {
                usageError(io, "option " + a + " needs a value");
                return std::nullopt;
            }
            result.m_options.emplace_back(a, args[++i]);
        } else {
            usageError(io, "unknown option " + a);
            return std::nullopt;
        }
    }
    return result;
}

bool Arguments::has(std::string_view name) const {
    return std::any_of(m_options.begin(), m_options.end(),
                       [&](const auto& o) { return o.first == name; });
}

std::optional<std::string> Arguments::value(std::string_view name) const {
    // The last occurrence wins, as users expect from repeated options.
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it) {
        if (it->first == name)
            return it->second;
    }
    return std::nullopt;
}

bool showStatus(const Status& status, Prompter& prompter) {
    prompter.tell(status);
    return status.ok();
}

int usageError(Io& io, std::string_view text) {
    io.err << "mz58: " << text << "\n(run 'mz58 help' for the list of commands)\n";
    return kExitUsage;
}

} // namespace mz58::cli
