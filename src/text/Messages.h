#pragma once

#include <span>
#include <string>
#include <string_view>

namespace mz58 {

// Ids of the string table: messages, status texts and tips share one numbering.
using StringId = int;

namespace msg {
inline constexpr StringId kFileOpenError = 32;
inline constexpr StringId kFileWriteError = 33;
inline constexpr StringId kFileReadError = 34;
inline constexpr StringId kFileCreateError = 35;
inline constexpr StringId kConfirmWriteDefault = 36;
inline constexpr StringId kFileFormatError = 37;
inline constexpr StringId kFileReadOnly = 49;
} // namespace msg

// The text of a string-table entry; an unknown id gives an empty text.
std::string_view stringText(StringId id);

// An English gloss of a message for command-line users; empty when there is none.
std::string_view stringGloss(StringId id);

// Replaces "%1" and "%2" in a message with the given arguments.
std::string formatMessage(std::string_view text, std::span<const std::string> args);

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { Error, Warning, Question, Information };
enum class Answer { Ok, Yes, No, Cancel };

// How core logic asks the user something or tells a result: the GUI shows a message box,
// the command line prints to stderr, tests record the calls.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer ask(StringId id, std::span<const std::string> args, Buttons buttons,
                       Icon icon) = 0;

    void tell(StringId id, std::span<const std::string> args = {}, Icon icon = Icon::Error) {
        (void)ask(id, args, Buttons::Ok, icon);
    }
    void tell(StringId id, const std::string& arg, Icon icon = Icon::Error) {
        (void)ask(id, std::span<const std::string>(&arg, 1), Buttons::Ok, icon);
    }
};

} // namespace mz58
