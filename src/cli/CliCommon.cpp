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

Answer StreamPrompter::ask(StringId id, std::span<const std::string> args, Buttons buttons, Icon) {
    m_err << "mz58: " << withPlainLineBreaks(formatMessage(stringText(id), args));
    if (const auto gloss = stringGloss(id); !gloss.empty())
        m_err << " (" << gloss << ")";
    m_err << '\n';
    // Nobody answers on the command line: questions take their cautious answer.
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
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

bool openProgrammingFile(const std::filesystem::path& path, ImageState& state, Prompter& prompter) {
    const int check = CheckProgrammingFile(path);
    if (check != kProgrammingFileValid) {
        const StringId id = checkProgrammingFileMessage(check);
        if (id == msg::kFileFormatError)
            prompter.tell(id);
        else
            prompter.tell(id, path.string());
        return false;
    }
    ImageCodec::resetAll(state);
    if (!ReadProgrammingFile(path, state.image, state.localOffset, prompter, path.string()))
        return false;
    ImageCodec::decodeAll(state);
    return true;
}

bool saveProgrammingFile(const std::filesystem::path& path, ImageState& state, Prompter& prompter) {
    if (!IsWritable(path)) {
        prompter.tell(msg::kFileReadOnly, path.string());
        return false;
    }
    ImageCodec::encodeAll(state);
    return WriteProgrammingFile(path, state.image, state.localOffset, prompter, path.string());
}

int usageError(Io& io, std::string_view text) {
    io.err << "mz58: " << text << "\n(run 'mz58 help' for the list of commands)\n";
    return kExitUsage;
}

} // namespace mz58::cli
