#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
// The save-changes question ("%1" is the current file name), answered Yes, No or Cancel.
inline constexpr StringId kAskToSave = 61699;
// Messages of this program beyond the radio's original texts.
inline constexpr StringId kOffsetReplaced = 7001;
// Values of an opened file or of the radio that the radio cannot use (7200..7219).
inline constexpr StringId kUnusableValues = 7200;
inline constexpr StringId kRxOutsideBand = 7201;
inline constexpr StringId kTxOutsideBand = 7202;
inline constexpr StringId kRxDefaultNotHeld = 7203;
inline constexpr StringId kTxDefaultNotHeld = 7204;
inline constexpr StringId kRxNotHeld = 7205;
inline constexpr StringId kTxNotHeld = 7206;
inline constexpr StringId kDecodeToneBeyondList = 7207;
inline constexpr StringId kEncodeToneBeyondList = 7208;
inline constexpr StringId kPowerLevelBeyondList = 7209;
inline constexpr StringId kBusyLockoutBeyondList = 7210;
inline constexpr StringId kChannelTypeBeyondList = 7211;
inline constexpr StringId kOffsetBeyondBand = 7212;
inline constexpr StringId kMoreLinesInDetails = 7213;
// The key-function dialog's OK, when it goes back to bank A's reset channel table.
inline constexpr StringId kKeyFunctionResetsChannels = 7220;
// The start after an ending without a user to ask: %1 when the changes were kept.
inline constexpr StringId kOpenRecoveredChanges = 7230;
inline constexpr StringId kStepRecovered = 7231; // the recovered changes as one undo step
} // namespace msg

// The text of a string-table entry; an unknown id gives an empty text.
std::string_view stringText(StringId id);

// An English gloss of a message for command-line users; empty when there is none.
std::string_view stringGloss(StringId id);

// Replaces "%1".."%9" in a message with the given arguments, in one pass (an argument that
// holds "%2" stays as it is).
std::string formatMessage(std::string_view text, std::span<const std::string> args);

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { Error, Warning, Question, Information };
enum class Answer { Ok, Yes, No, Cancel };

// A message for the user: a string-table entry with its arguments, and the cause in the
// operating system's words (which file or device, and why) when there is one.
struct UserMessage {
    StringId id = 0;
    std::vector<std::string> args;
    std::string detail;
    Icon icon = Icon::Error;
    // Messages listed under the text, one a line (several findings shown together).
    std::vector<UserMessage> lines = {};
};

// The message's text with its arguments filled in.
std::string messageText(const UserMessage& message);
// The English gloss followed by the detail, for command-line users; empty when there is neither.
std::string messageExplanation(const UserMessage& message);

// The result of an operation that can fail in an expected way: success, or the message that
// says why not. Warnings (something was corrected on the way) come with either.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(UserMessage error) : m_error(std::move(error)) {}

    [[nodiscard]] bool ok() const { return !m_error; }
    // Only for a failed status.
    [[nodiscard]] const UserMessage& error() const { return *m_error; }

    std::vector<UserMessage> warnings;

private:
    std::optional<UserMessage> m_error;
};

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
    // Shows a message with its detail; a prompter that cannot show details shows the text.
    virtual void tell(const UserMessage& message) {
        (void)ask(message.id, message.args, Buttons::Ok, message.icon);
    }
    // Shows the warnings of a status, then its error.
    void tell(const Status& status) {
        for (const auto& warning : status.warnings)
            tell(warning);
        if (!status.ok())
            tell(status.error());
    }
};

} // namespace mz58
