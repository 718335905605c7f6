// SPDX-License-Identifier: GPL-3.0-or-later
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

// The names of undo steps, after "Undo" and "Redo" in the Edit menu.
inline constexpr StringId kStepRead = 7100;   // a read from the radio
inline constexpr StringId kStepTyping = 7101; // %1 channel 1..16, %2 column
inline constexpr StringId kStepChange = 7102; // a value stepped or chosen from a list
inline constexpr StringId kStepPaste = 7103;
inline constexpr StringId kStepInvertDcs = 7104;
inline constexpr StringId kStepChannelCopy = 7105; // %1 source, %2 target ("A3", "B3")
inline constexpr StringId kStepImport = 7107;      // %1 the CSV file's name
inline constexpr StringId kStepHardware = 7110;    // the settings and signalling dialogs
inline constexpr StringId kStepOptions = 7111;
inline constexpr StringId kStepScan = 7112;
inline constexpr StringId kStepPowerSave = 7113;
inline constexpr StringId kStepKeyFunction = 7114;
inline constexpr StringId kStepSerialNumber = 7115;
inline constexpr StringId kStepOtherFunctions = 7116;
inline constexpr StringId kStepChannelTypes = 7117;
inline constexpr StringId kStepAni = 7118;
inline constexpr StringId kStepDtmf = 7119;
inline constexpr StringId kStepPagingCodes = 7120;
inline constexpr StringId kStepTwoTone = 7121;
inline constexpr StringId kStepTwoToneTable = 7122;

// Why a cell edit or paste was refused, or what it warns about.
inline constexpr StringId kNotAFrequency = 7140; // %1 the text
inline constexpr StringId kNoFrequencyIn = 7141; // %1 the text
inline constexpr StringId kNoToneType = 7142;
inline constexpr StringId kNotAToneOfType = 7143;     // %1 the text
inline constexpr StringId kNotACallCode = 7144;       // %1 the text
inline constexpr StringId kCallCodeNotDefined = 7145; // %1 the text
inline constexpr StringId kRxNotHeld = 7146;          // %1 MHz, %2 the step in kHz, %3 read back
inline constexpr StringId kTxNotHeld = 7147;
inline constexpr StringId kCopyNeedsChannel = 7148;
inline constexpr StringId kChannelNotInUse = 7149;
inline constexpr StringId kNotASquelchLevel = 7150; // %1 the text
inline constexpr StringId kNoEncryptionDevice = 7151;
inline constexpr StringId kAlertNeedsDcs = 7152;
inline constexpr StringId kNoValueOfColumn = 7153; // %1 the text

// Values of an opened file or of the radio that the radio cannot use (7200..7219).
inline constexpr StringId kUnusableValues = 7200;
inline constexpr StringId kRxOutsideBand = 7201;
inline constexpr StringId kTxOutsideBand = 7202;
inline constexpr StringId kRxDefaultNotHeld = 7203;
inline constexpr StringId kTxDefaultNotHeld = 7204;
inline constexpr StringId kRxNotHeldOnOpen = 7205;
inline constexpr StringId kTxNotHeldOnOpen = 7206;
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

// What the channel grid's rules stored other than typed, and why an edit does nothing.
inline constexpr StringId kFrequencyClamped = 7400; // %1 typed, %2..%3 the band, %4 stored
inline constexpr StringId kDerivedTxClamped = 7401; // %1 RX + offset, %2..%3 the band, %4 stored
inline constexpr StringId kRxMovedToStep = 7402;    // %1 stored, %2 the step in kHz
inline constexpr StringId kTxMovedToStep = 7403;
inline constexpr StringId kNotInUseSpace = 7404; // %1 the channel ("A3")
inline constexpr StringId kFirstChannelStays = 7405;
inline constexpr StringId kGroupScanNeedsTrunk = 7406;
inline constexpr StringId kInvertNeedsDcs = 7407;
inline constexpr StringId kNotInUseEditor = 7408; // %1 the channel
inline constexpr StringId kClipboardEmpty = 7409;
inline constexpr StringId kCellRefused = 7410;      // %1 channel, %2 column, %3 why
inline constexpr StringId kBlockPastBank = 7411;    // %1 rows, %2 the bank, %3 the first row
inline constexpr StringId kBlockPastColumns = 7412; // %1 cells, %2 the first column
inline constexpr StringId kCopySourceIsTarget = 7413;
inline constexpr StringId kNotAChannelNumber = 7414; // %1 the text
inline constexpr StringId kRowFirstOfBank = 7415;    // %1 the channel
inline constexpr StringId kRowLastOfBank = 7416;     // %1 the channel
inline constexpr StringId kBankKeyNotFitted = 7417;
inline constexpr StringId kFirstChannelNeedsUse = 7418; // %1 the channel
inline constexpr StringId kAskDropLastChannel = 7419;   // %1 the channel that falls off
inline constexpr StringId kNoRowChange = 7420;          // %1 the channel
// Names of the grid's undo steps; %1 (and %2) are channels as "A3".
inline constexpr StringId kStepBlockPaste = 7440; // %1 channel 1..16, %2 column
inline constexpr StringId kStepClearChannel = 7441;
inline constexpr StringId kStepInsertChannel = 7442;
inline constexpr StringId kStepDeleteChannel = 7443;
inline constexpr StringId kStepMoveChannelUp = 7444;
inline constexpr StringId kStepMoveChannelDown = 7445;
inline constexpr StringId kStepSwapChannels = 7446;    // %1, %2
inline constexpr StringId kStepCopyToOtherBank = 7447; // %1, %2

// Importing a channel list in CHIRP's CSV format: the file, its rows and what they become.
inline constexpr StringId kCsvLine = 7500;       // %1 line, %2 what it says
inline constexpr StringId kCsvLineRemedy = 7501; // %1 line, %2 what it says, %3 the remedy
inline constexpr StringId kCsvRowSkipped = 7502; // %1 the line's message
inline constexpr StringId kCsvNoHeader = 7503;
inline constexpr StringId kCsvMissingColumns = 7504; // %1 line, %2 the column names
inline constexpr StringId kCsvNoRows = 7505;
inline constexpr StringId kCsvLocationNotNumber = 7506; // %1 the text
inline constexpr StringId kCsvLocationNotChannel = 7507;
inline constexpr StringId kCsvLocationRepeated = 7508;
inline constexpr StringId kCsvModeNotHeld = 7509; // %1 the mode
inline constexpr StringId kCsvFrequencyNotNumber = 7510;
inline constexpr StringId kCsvOffsetNotNumber = 7511;
inline constexpr StringId kCsvDuplexUnknown = 7512;
inline constexpr StringId kCsvCtcssNotInList = 7513;
inline constexpr StringId kCsvDcsNotInList = 7514;
inline constexpr StringId kCsvDcsPolarityUnknown = 7515;
inline constexpr StringId kCsvToneModeUnknown = 7516;
inline constexpr StringId kCsvCrossModeUnknown = 7517;
inline constexpr StringId kCsvCrossModeMixed = 7518;
inline constexpr StringId kCsvRxOutsideBand = 7519; // %1 MHz, %2 band, %3..%4 its limits
inline constexpr StringId kCsvTxOutsideBand = 7520;
inline constexpr StringId kCsvRxMoved = 7521; // %1 MHz as written, %2 as stored
inline constexpr StringId kCsvTxMoved = 7522;
inline constexpr StringId kCsvPowerLow = 7523;      // %1 the power text
inline constexpr StringId kCsvPowerHigh = 7524;     // %1 the power text
inline constexpr StringId kCsvPowerUnknown = 7525;  // %1 the power text
inline constexpr StringId kCsvRowsDidNotFit = 7526; // %1 the rows, %2 channels from the start
inline constexpr StringId kCsvRowDidNotFit = 7527;
inline constexpr StringId kCsvStepPairHolds = 7528; // %1 the step pair, %2 rows more
inline constexpr StringId kCsvStepPairHoldsExactly = 7529;
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
