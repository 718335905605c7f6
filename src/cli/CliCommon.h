// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"
#include "Messages.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mz58::cli {

enum ExitCode : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// The output streams of one command-line run.
struct Io {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

// Prints every message to stderr: the system's text, then an English gloss in brackets.
class StreamPrompter final : public Prompter {
public:
    explicit StreamPrompter(std::ostream& err) : m_err(err) {}
    Answer ask(StringId id, std::span<const std::string> args, Buttons buttons, Icon icon) override;
    using Prompter::tell;
    // The text, then the gloss and the cause (file or device and the system's reason).
    void tell(const UserMessage& message) override;

private:
    std::ostream& m_err;
};

// A verb's arguments after the verb itself: positional arguments and "--name value" options.
class Arguments {
public:
    // Parses `args`; `flags` are options without a value, `valued` those that take one.
    // Returns nullopt and prints a usage error for an unknown or incomplete option.
    static std::optional<Arguments> parse(std::span<const std::string> args,
                                          std::span<const std::string_view> flags,
                                          std::span<const std::string_view> valued, Io& io);

    const std::vector<std::string>& positional() const { return m_positional; }
    bool has(std::string_view name) const;
    std::optional<std::string> value(std::string_view name) const;

private:
    std::vector<std::string> m_positional;
    std::vector<std::pair<std::string, std::string>> m_options;
};

// Shows a status's warnings and error; true when it succeeded.
bool showStatus(const Status& status, Prompter& prompter);

int usageError(Io& io, std::string_view text);

} // namespace mz58::cli
