// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvReader.h"

#include <gtest/gtest.h>

namespace mz58 {
namespace {

struct CsvCase {
    const char* name;
    std::string_view text;
    std::vector<CsvRecord> records;
};

using Records = std::vector<CsvRecord>;

const CsvCase kCases[] = {
    {"PlainFieldsAndLf", "a,b\nc,d\n", Records{{1, {"a", "b"}}, {2, {"c", "d"}}}},
    {"CrLfAndLoneCr", "a,b\r\nc\rd", Records{{1, {"a", "b"}}, {2, {"c"}}, {3, {"d"}}}},
    {"ByteOrderMarkSkipped", "\xEF\xBB\xBFLocation,Name\r\n", Records{{1, {"Location", "Name"}}}},
    {"QuotedCommaAndDoubledQuote", "\"x,y\",\"say \"\"hi\"\"\"\n",
     Records{{1, {"x,y", "say \"hi\""}}}},
    {"QuotedLineBreakKeepsLineCount", "\"one\r\ntwo\",z\nnext\n",
     Records{{1, {"one\r\ntwo", "z"}}, {3, {"next"}}}},
    {"EmptyTrailingFields", "1,,146.52,,,\n", Records{{1, {"1", "", "146.52", "", "", ""}}}},
    {"QuotedEmptyFieldAfterComma", "a,\"\"\n", Records{{1, {"a", ""}}}},
    {"BlankLinesGiveNoRecord", "\n\r\na\n\n", Records{{3, {"a"}}}},
    {"NoFinalLineBreak", "a,b", Records{{1, {"a", "b"}}}},
    {"UnterminatedQuoteRunsToTheEnd", "\"abc,d\ne", Records{{1, {"abc,d\ne"}}}},
    {"QuoteInsideAFieldIsText", "ab\"c,d\n", Records{{1, {"ab\"c", "d"}}}},
};

class CsvReaderTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvReaderTest, Reads) {
    const auto records = readCsv(GetParam().text);
    ASSERT_EQ(records.size(), GetParam().records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].line, GetParam().records[i].line) << "record " << i;
        EXPECT_EQ(records[i].fields, GetParam().records[i].fields) << "record " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CsvReaderTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace mz58
