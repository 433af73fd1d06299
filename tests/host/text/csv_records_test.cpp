#include "host/text/csv_records.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace gridkit::host {
namespace {

using Records = std::vector<std::vector<std::string>>;

Records ReadAll(const std::string& text) {
  std::istringstream input(text);
  CsvRecords records(input);
  Records all;
  while (auto record = records.Next())
    all.push_back(*record);
  return all;
}

struct CsvCase {
  std::string name;
  std::string text;
  Records records;
};

void PrintTo(const CsvCase& c, std::ostream* os) {
  *os << c.name;
}

class CsvRecordsTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvRecordsTest, SplitsRecordsAndFields) {
  EXPECT_EQ(ReadAll(GetParam().text), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvRecordsTest,
    ::testing::Values(CsvCase{"Plain", "a,b,c\n", {{"a", "b", "c"}}},
                      CsvCase{"NoFinalLineBreak", "a,b\nc", {{"a", "b"}, {"c"}}},
                      CsvCase{"QuotedComma", "\"a,b\",c\n", {{"a,b", "c"}}},
                      CsvCase{"DoubledQuotes", "\"say \"\"hi\"\"\",x\n", {{"say \"hi\"", "x"}}},
                      CsvCase{"OnlyAQuote", "\"\"\"\"\n", {{"\""}}},
                      CsvCase{"CrLf", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
                      CsvCase{"Lf", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
                      CsvCase{"MixedLineEnds", "a\r\nb\nc\r\n", {{"a"}, {"b"}, {"c"}}},
                      CsvCase{"NewlineInQuotes", "\"line1\nline2\",z\n", {{"line1\nline2", "z"}}},
                      CsvCase{"CrLfInQuotes", "\"a\r\nb\",c\r\nd\r\n", {{"a\r\nb", "c"}, {"d"}}},
                      CsvCase{"EmptyFields", ",,\n", {{"", "", ""}}},
                      CsvCase{"TrailingEmptyField", "a,\n", {{"a", ""}}},
                      CsvCase{"EmptyQuotedField", "\"\",x\n", {{"", "x"}}},
                      CsvCase{"EmptyLine", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
                      CsvCase{"BlanksKept", " a , b \n", {{" a ", " b "}}},
                      CsvCase{"NoInput", "", {}},
                      CsvCase{"Utf8",
                              "\xC3\xA9t\xC3\xA9,\xE6\x97\xA5\n",
                              {{"\xC3\xA9t\xC3\xA9", "\xE6\x97\xA5"}}}),
    [](const ::testing::TestParamInfo<CsvCase>& info) { return info.param.name; });

TEST(CsvRecordsEndTest, AnUnclosedQuoteRunsToTheEnd) {
  EXPECT_EQ(ReadAll("a,\"b\nc"), (Records{{"a", "b\nc"}}));
}

}  // namespace
}  // namespace gridkit::host
