#include "host/spreadsheet/typed_input.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace gridkit::host {
namespace {

// 5 March 2004 and times of day as date serials.
constexpr double kMarch5th2004 = 38051;
constexpr double kHalfPastTwelve = 12.5 / 24;
constexpr double kQuarterPastTen = (10 + 15.0 / 60) / 24;

struct InputCase {
  std::string text;
  CellKind kind;
  double number;
  std::string impliedFormat;
};

void PrintTo(const InputCase& c, std::ostream* os) {
  *os << "\"" << c.text << "\"";
}

class TypedInputTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(TypedInputTest, TakesTheTextAsTyped) {
  const InputCase& c = GetParam();
  const TypedInput input = InterpretTypedInput(c.text, RegionalSettings::Default());
  EXPECT_EQ(input.kind, c.kind);
  if (c.kind != CellKind::Text && c.kind != CellKind::Empty) {
    EXPECT_NEAR(input.number, c.number, 1e-9);
  }
  EXPECT_EQ(input.impliedFormat, c.impliedFormat);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TypedInputTest,
    ::testing::Values(
        InputCase{"12", CellKind::Number, 12, ""}, InputCase{"12.50", CellKind::Number, 12.5, ""},
        InputCase{"-12.5", CellKind::Number, -12.5, ""}, InputCase{"+5", CellKind::Number, 5, ""},
        InputCase{" 42 ", CellKind::Number, 42, ""}, InputCase{"0", CellKind::Number, 0, ""},
        InputCase{"0.5", CellKind::Number, 0.5, ""}, InputCase{".5", CellKind::Number, 0.5, ""},
        InputCase{"1,234.50", CellKind::Number, 1234.5, "#,##0.00"},
        InputCase{"1,234", CellKind::Number, 1234, "#,##0"},
        InputCase{"-1,234,567", CellKind::Number, -1234567, "#,##0"},
        InputCase{"1.5e3", CellKind::Number, 1500, "0.00E+00"},
        InputCase{"5%", CellKind::Number, 0.05, "0%"},
        InputCase{"12.5%", CellKind::Number, 0.125, "0.00%"},
        InputCase{"123456789012345", CellKind::Number, 123456789012345, ""},
        InputCase{"1.50000000000000000", CellKind::Number, 1.5, ""}));

INSTANTIATE_TEST_SUITE_P(
    StaysText, TypedInputTest,
    ::testing::Values(
        InputCase{"007", CellKind::Text, 0, ""}, InputCase{"-007", CellKind::Text, 0, ""},
        InputCase{"00", CellKind::Text, 0, ""},
        InputCase{"1234567890123456", CellKind::Text, 0, ""},
        InputCase{"0.1234567890123456", CellKind::Text, 0, ""},
        InputCase{"=1+1", CellKind::Text, 0, ""},
        InputCase{"=HYPERLINK(\"http://example.com\",\"x\")", CellKind::Text, 0, ""},
        InputCase{"abc", CellKind::Text, 0, ""}, InputCase{"12abc", CellKind::Text, 0, ""},
        InputCase{"1,23", CellKind::Text, 0, ""}, InputCase{"1,2345", CellKind::Text, 0, ""},
        InputCase{",123", CellKind::Text, 0, ""}, InputCase{"1e", CellKind::Text, 0, ""},
        InputCase{"-", CellKind::Text, 0, ""}, InputCase{"   ", CellKind::Text, 0, ""},
        InputCase{"31/02/2004", CellKind::Text, 0, ""}));

INSTANTIATE_TEST_SUITE_P(BooleansAndEmpty, TypedInputTest,
                         ::testing::Values(InputCase{"TRUE", CellKind::Boolean, 1, ""},
                                           InputCase{"false", CellKind::Boolean, 0, ""},
                                           InputCase{"True", CellKind::Boolean, 1, ""},
                                           InputCase{"", CellKind::Empty, 0, ""}));

INSTANTIATE_TEST_SUITE_P(
    DatesAndTimes, TypedInputTest,
    ::testing::Values(InputCase{"5/3/2004", CellKind::Date, kMarch5th2004, "dd/mm/yyyy"},
                      InputCase{"05-03-2004", CellKind::Date, kMarch5th2004, "dd/mm/yyyy"},
                      InputCase{"12:30", CellKind::Date, kHalfPastTwelve, "h:mm"},
                      InputCase{"12:30:15", CellKind::Date, kHalfPastTwelve + 15.0 / 86400,
                                "h:mm:ss"},
                      InputCase{"2:30 PM", CellKind::Date, 14.5 / 24, "h:mm AM/PM"},
                      InputCase{"5/3/2004 10:15", CellKind::Date, kMarch5th2004 + kQuarterPastTen,
                                "dd/mm/yyyy h:mm"}));

TEST(TypedInputRegionalTest, DatesFollowTheRegionalOrder) {
  const TypedInput us = InterpretTypedInput("5/3/2004", RegionalSettings::EnglishUnitedStates());
  EXPECT_EQ(us.kind, CellKind::Date);
  EXPECT_DOUBLE_EQ(us.number, 38110);  // 3 May 2004
  EXPECT_EQ(us.impliedFormat, "m/d/yyyy");
  EXPECT_EQ(InterpretTypedInput("13/5/2004", RegionalSettings::EnglishUnitedStates()).kind,
            CellKind::Text);
}

}  // namespace
}  // namespace gridkit::host
