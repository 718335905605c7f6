// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mz58 {

// One record of a CSV text and the line it starts on (1-based), for messages that name it.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// Reads comma-separated text as RFC 4180 describes it, and as spreadsheets write it: fields
// in double quotes may hold commas, line breaks and doubled quotes; records end with CR LF, LF
// or a lone CR; a UTF-8 byte-order mark at the start is skipped; blank lines give no record.
// An unterminated quote runs to the end of the text. Any byte sequence is valid input.
[[nodiscard]] std::vector<CsvRecord> readCsv(std::string_view text);

} // namespace mz58
