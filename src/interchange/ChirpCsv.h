#pragma once

#include "ImageCodec.h"

#include <string>
#include <string_view>
#include <vector>

namespace mz58 {

// Channel plans in the CSV format of CHIRP (and of the repeater directories that export it).
// Locations 1..16 are the channels as the command line numbers them: 1..8 bank A, 9..16 bank B.

// The header line of an exported file, without its line break.
inline constexpr std::string_view kChirpCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// The channels in use with a receive frequency, one row each after the header; CR LF line
// breaks as CHIRP writes them.
[[nodiscard]] std::string exportChirpCsv(const ImageState& state);

// A message about one line of the imported text (1-based; the line a record starts on).
struct CsvLineMessage {
    int line = 0;
    std::string text;

    bool operator==(const CsvLineMessage&) const = default;
};

enum class InvalidRows { Refuse, Skip };

struct ChirpImportResult {
    // Not a CHIRP CSV at all (required columns missing, no channel row): nothing is imported.
    std::string fileError;
    // Rows the radio cannot hold. With InvalidRows::Refuse any of them means nothing is
    // imported; with InvalidRows::Skip they are left out and the other rows imported.
    std::vector<CsvLineMessage> errors;
    // Rows imported with a change the user should know of (a frequency the step grid moved).
    std::vector<CsvLineMessage> warnings;
    // The channels (1..16) that were replaced, in the order of the rows.
    std::vector<int> imported;

    // True when the channels were changed.
    [[nodiscard]] bool applied() const { return !imported.empty(); }
    [[nodiscard]] bool failed() const { return !fileError.empty() || imported.empty(); }
};

// Merges a CHIRP CSV into the channels of `state`: the channels named by Location are replaced
// (their frequencies, tones, width, scan membership and power; what the CSV does not carry is
// kept), the others stay as they were. Every frequency goes through the same rules as typing it
// into the grid. The image bytes are not touched: the next encode all (a save) writes them.
// When the result is not applied, `state` is exactly as it was.
[[nodiscard]] ChirpImportResult importChirpCsv(std::string_view csv, ImageState& state,
                                               InvalidRows invalidRows = InvalidRows::Refuse);

// All messages of a result, one per line ("line 7: ..."), for one message box or stderr.
[[nodiscard]] std::string importReportText(const ChirpImportResult& result);

} // namespace mz58
