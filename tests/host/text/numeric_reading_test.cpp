#include "host/text/numeric_reading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "host/error.h"

namespace gridkit::host {
namespace {

struct ReadingCase {
  std::string text;
  double value;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
  *os << "\"" << c.text << "\"";
}

class NumericReadingTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NumericReadingTest, ReadsTheLongestLeadingNumber) {
  const ReadingCase& c = GetParam();
  EXPECT_DOUBLE_EQ(ReadNumber(c.text), c.value) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumericReadingTest,
    ::testing::Values(
        // plain numbers, sign, point
        ReadingCase{"12.5", 12.5}, ReadingCase{"-3", -3}, ReadingCase{"+7", 7},
        ReadingCase{".5", 0.5}, ReadingCase{"5.", 5}, ReadingCase{"0", 0},
        // blanks anywhere are ignored
        ReadingCase{"  42  ", 42}, ReadingCase{"1 2 . 5", 12.5}, ReadingCase{"\t-\n3\r", -3},
        ReadingCase{"- 5", -5},
        // exponent, with and without sign; an exponent without digits is no part
        ReadingCase{"1e3", 1000}, ReadingCase{"2.5E-2", 0.025}, ReadingCase{"1e+2", 100},
        ReadingCase{"7e", 7}, ReadingCase{"7e-", 7}, ReadingCase{"1 e 3", 1000},
        // the number ends where the text stops forming one
        ReadingCase{"12abc", 12}, ReadingCase{"1,234.5", 1}, ReadingCase{"1.2.3", 1.2},
        ReadingCase{"3-4", 3}, ReadingCase{"12%", 12},
        // no number at all reads as 0
        ReadingCase{"", 0}, ReadingCase{"   ", 0}, ReadingCase{"abc", 0}, ReadingCase{".", 0},
        ReadingCase{"-", 0}, ReadingCase{"--5", 0}, ReadingCase{"+-5", 0}, ReadingCase{"e5", 0},
        // too small to hold reads as zero
        ReadingCase{"1e-400", 0}));

TEST(NumericReadingOverflowTest, RaisesOverflow) {
  for (const char* text : {"1e400", "-1e400", "9e99999"}) {
    try {
      ReadNumber(text);
      ADD_FAILURE() << text << " did not raise";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), err::kOverflow) << text;
      EXPECT_EQ(error.Description(), "Overflow") << text;
    }
  }
}

TEST(NumericReadingOverflowTest, TheLargestDoubleStillReads) {
  EXPECT_DOUBLE_EQ(ReadNumber("1.7976931348623157e308"), 1.7976931348623157e308);
}

}  // namespace
}  // namespace gridkit::host
