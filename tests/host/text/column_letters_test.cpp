#include "host/text/column_letters.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "host/error.h"

namespace gridkit::host {
namespace {

struct LettersCase {
  int32_t column;
  std::string letters;
};

void PrintTo(const LettersCase& c, std::ostream* os) {
  *os << c.letters;
}

class ColumnLettersTest : public ::testing::TestWithParam<LettersCase> {};

TEST_P(ColumnLettersTest, LettersAndBack) {
  const LettersCase& c = GetParam();
  EXPECT_EQ(ColumnLetters(c.column), c.letters);
  EXPECT_EQ(ColumnNumber(c.letters), c.column);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColumnLettersTest,
                         ::testing::Values(LettersCase{1, "A"}, LettersCase{2, "B"},
                                           LettersCase{26, "Z"}, LettersCase{27, "AA"},
                                           LettersCase{28, "AB"}, LettersCase{52, "AZ"},
                                           LettersCase{53, "BA"}, LettersCase{676, "YZ"},
                                           LettersCase{702, "ZZ"}, LettersCase{703, "AAA"},
                                           LettersCase{16384, "XFD"}));

TEST(ColumnLettersEdgeTest, ColumnZeroHasNoLetters) {
  EXPECT_EQ(ColumnLetters(0), "");
}

TEST(ColumnLettersEdgeTest, RoundTripsEveryColumn) {
  for (int32_t column = 1; column <= kLastSheetColumn; ++column) {
    ASSERT_EQ(ColumnNumber(ColumnLetters(column)), column);
  }
}

TEST(ColumnLettersEdgeTest, RefusesColumnsOffTheSheet) {
  for (int32_t column : {-1, kLastSheetColumn + 1}) {
    try {
      ColumnLetters(column);
      ADD_FAILURE() << column << " did not raise";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), err::kInvalidCall) << column;
    }
  }
}

TEST(ColumnNumberTest, ReadsLowerCase) {
  EXPECT_EQ(ColumnNumber("b"), 2);
  EXPECT_EQ(ColumnNumber("aZ"), 52);
}

TEST(ColumnNumberTest, BadLettersGiveZero) {
  for (const char* bad : {"", "A1", "1", "A-", " A", "XFE", "ZZZ", "AAAA", "\xC3\x84"}) {
    EXPECT_EQ(ColumnNumber(bad), 0) << "letters: \"" << bad << "\"";
  }
}

}  // namespace
}  // namespace gridkit::host
