// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"
#include "Messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mz58 {

// Channel lists in the CSV format of CHIRP (and of the repeater directories that export it).
// Channels are numbered as the command line numbers them: 1..8 bank A, 9..16 bank B.

// The header line of an exported file, without its line break.
inline constexpr std::string_view kChirpCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// The channels in use with a receive frequency, one row each after the header, Location = the
// channel; CR LF line breaks as CHIRP writes them. Importing it back by Location into the same
// state changes no byte.
[[nodiscard]] std::string exportChirpCsv(const ImageState& state);

// Where the rows of a list go.
struct ChirpPlacement {
    // 0: each row into the channel its Location names (1..16). 1..16: the rows the radio can
    // hold, in the file's order, into this channel and the ones after it; Location is ignored.
    int startChannel = 0;
    // Rows left out (index = row number - 1), as the preview's unchecked rows.
    std::vector<bool> excluded;
};

enum class RowOutcome {
    Imported,      // replaces channel `channel`
    Refused,       // the radio cannot hold it: `refusal` says why
    Excluded,      // the radio can hold it, but the placement leaves it out
    NoChannelLeft, // the radio can hold it, but no channel is left from the start channel on
};

// One channel row of a list and what importing it does.
struct ChirpRow {
    int line = 0;   // the line the record starts on (1-based)
    int number = 0; // the row's number among the channel rows (1-based)
    std::string name;
    RowOutcome outcome = RowOutcome::Refused;
    int channel = 0; // 1..16 for an imported row
    std::optional<UserMessage> refusal;
    bool locationRefused = false; // refused for its Location (not a channel, taken)
    // What the user should know of a row the radio can hold: a frequency the step grid moved,
    // a power text taken as High or Low.
    std::vector<UserMessage> warnings;
    bool moved = false; // the step grid moved a frequency
    // Another step pair that would hold the row (exactly, when `moved`), and how many more rows
    // it would hold.
    std::optional<UserMessage> remedy;
    // The channel as the row makes it: for an imported row the destination channel with what
    // the CSV does not carry kept; for the others a default channel with the row applied.
    ChannelEntry entry;

    [[nodiscard]] bool held() const { return outcome != RowOutcome::Refused; }
};

struct ChirpImportPlan {
    // Not a CHIRP CSV at all (no header, required columns missing, no channel row).
    std::optional<UserMessage> fileError;
    std::vector<ChirpRow> rows;
    int startChannel = 0;
    // Names the rows for which no channel was left, in one warning.
    std::optional<UserMessage> overflow;

    [[nodiscard]] int count(RowOutcome outcome) const;
    // True when no row is refused for its Location: the list can be imported as numbered.
    [[nodiscard]] bool locationsFit() const;
};

// What importing `csv` into `state` would do, row by row: the one rule for the command line
// and the window's preview. Every frequency goes through the same rules as typing it into the
// grid; the step select follows TStep where it names a step of the pair that holds the
// frequency, else the channel's own where it holds it.
[[nodiscard]] ChirpImportPlan planChirpImport(std::string_view csv, const ImageState& state,
                                              const ChirpPlacement& placement = {});

// Writes the channels of the plan's imported rows into `state`; the image bytes are left to
// the next encode all. Returns the channels written (1..16), in row order.
std::vector<int> applyChirpImport(const ChirpImportPlan& plan, ImageState& state);

// A message about one line of the imported text (1-based; the line a record starts on; 0 for
// a message about the whole list), with the remedy that would make the row fit.
struct CsvLineMessage {
    int line = 0;
    UserMessage message;
    std::optional<UserMessage> remedy;
};

enum class InvalidRows { Refuse, Skip };

struct ChirpImportResult {
    std::optional<UserMessage> fileError;
    // Rows the radio cannot hold. With InvalidRows::Refuse any of them means nothing is
    // imported; with InvalidRows::Skip they are left out and the other rows imported.
    std::vector<CsvLineMessage> errors;
    // Rows imported with a change the user should know of, and the rows that did not fit.
    std::vector<CsvLineMessage> warnings;
    // The channels (1..16) that were replaced, in the order of the rows.
    std::vector<int> imported;

    [[nodiscard]] bool applied() const { return !imported.empty(); }
    [[nodiscard]] bool failed() const { return fileError.has_value() || imported.empty(); }
};

// The command line's import: plans the import of `csv` (by Location, or from `startChannel`)
// and applies it to `state`. When the result is not applied, `state` is exactly as it was.
[[nodiscard]] ChirpImportResult importChirpCsv(std::string_view csv, ImageState& state,
                                               InvalidRows invalidRows = InvalidRows::Refuse,
                                               int startChannel = 0);

// The message of one line as it is reported ("line 7: ..."; "... (row skipped)").
[[nodiscard]] std::string lineMessageText(const CsvLineMessage& message, bool skipped);
// All messages of a result, one per line, for stderr.
[[nodiscard]] std::string importReportText(const ChirpImportResult& result);

} // namespace mz58
