// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvReader.h"

namespace mz58 {

std::vector<CsvRecord> readCsv(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());

    std::vector<CsvRecord> records;
    CsvRecord record{1, {}};
    std::string field;
    bool pending = false; // the record has a field under way (a separator makes an empty one)
    bool atStart = true;  // nothing of the current field read yet
    int line = 1;

    const auto endField = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
    };
    const auto endRecord = [&] {
        if (pending)
            endField();
        // A blank line has no field, or a single empty one: it is no record.
        if (!record.fields.empty() && !(record.fields.size() == 1 && record.fields[0].empty()))
            records.push_back(std::move(record));
        record = CsvRecord{line, {}};
        pending = false;
        atStart = true;
    };

    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && atStart) {
            // A quoted field: up to the closing quote; a doubled quote stands for one.
            pending = true;
            atStart = false;
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (text[i] == '\n' ||
                    (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
                    ++line;
                field += text[i++];
            }
            continue;
        }
        if (c == ',') {
            endField();
            pending = true;
            atStart = true;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            ++line;
            endRecord();
            continue;
        }
        pending = true;
        atStart = false;
        field += c;
        ++i;
    }
    endRecord();
    return records;
}

} // namespace mz58
