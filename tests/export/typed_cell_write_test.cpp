// Data cells as the user sees them: numbers in a fixed decimal shape get a
// grouped format, dates the d-MM-yyyy format, everything else goes in typed.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "flex_grid_export_fixture.h"

namespace gridkit::sheet::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr double kMarch5th2004 = 38051;
constexpr double kMay3rd2004 = 38110;
constexpr double kHalfPastTwelve = 12.5 / 24;
constexpr double kQuarterPastTen = (10 + 15.0 / 60) / 24;

struct TypedCase {
  std::string name;
  std::string text;
  host::CellKind kind;
  double number;             // for numbers and dates
  std::string format;        // the cell's number format in the end
  std::string exportFormat;  // the format the export itself set; empty for none
  std::string written;       // the text given to the cell
};

void PrintTo(const TypedCase& c, std::ostream* os) {
  *os << c.name;
}

class TypedCellWriteTest : public FlexGridExportTest,
                           public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedCellWriteTest, WritesTheCellTyped) {
  const TypedCase& c = GetParam();
  Grid({{"Value"}, {c.text}});
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  const host::CellView cell = Cell("A2");
  EXPECT_EQ(cell.kind, c.kind);
  if (c.kind == host::CellKind::Text) {
    EXPECT_EQ(cell.text, c.text);
  }
  if (c.kind == host::CellKind::Number || c.kind == host::CellKind::Date) {
    EXPECT_NEAR(cell.number, c.number, 1e-9);
  }
  EXPECT_EQ(cell.style->numberFormat, c.format);
  if (c.exportFormat.empty()) {
    EXPECT_THAT(LogWith("NumberFormat"), IsEmpty());
  } else {
    EXPECT_THAT(LogWith("NumberFormat"), ElementsAre("A2.NumberFormat = " + c.exportFormat));
  }
  EXPECT_THAT(LogWith("A2.FormulaR1C1"), ElementsAre("A2.FormulaR1C1 = " + c.written));
}

using K = host::CellKind;

INSTANTIATE_TEST_SUITE_P(
    FixedDecimals, TypedCellWriteTest,
    ::testing::Values(
        TypedCase{"Whole", "1234", K::Number, 1234, "#,##0", "#,##0", "1234"},
        TypedCase{"Zero", "0", K::Number, 0, "#,##0", "#,##0", "0"},
        TypedCase{"Negative", "-3", K::Number, -3, "#,##0", "#,##0", "-3"},
        TypedCase{"OneDecimal", "12.5", K::Number, 12.5, "#,##0.0", "#,##0.0", "12.5"},
        TypedCase{"TwoDecimals", "12.50", K::Number, 12.5, "#,##0.00", "#,##0.00", "12.50"},
        TypedCase{"NegativeTwoDecimals", "-0.50", K::Number, -0.5, "#,##0.00", "#,##0.00", "-0.50"},
        TypedCase{"ThreeDecimals", "0.125", K::Number, 0.125, "#,##0.000", "#,##0.000", "0.125"}),
    [](const ::testing::TestParamInfo<TypedCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    OtherNumberShapes, TypedCellWriteTest,
    ::testing::Values(
        TypedCase{"FourDecimals", "12.5000", K::Number, 12.5, "General", "", "12.5000"},
        // the spreadsheet formats a grouped number itself
        TypedCase{"Grouped", "1,234.50", K::Number, 1234.5, "#,##0.00", "", "1,234.50"},
        TypedCase{"LeadingZeros", "007", K::Text, 0, "General", "", "007"},
        TypedCase{"PlusSign", "+5", K::Number, 5, "General", "", "+5"},
        TypedCase{"SurroundingBlanks", " 12 ", K::Number, 12, "General", "", " 12 "},
        TypedCase{"Exponent", "1e3", K::Number, 1000, "0.00E+00", "", "1e3"},
        // too large for a number, yet nothing is lost
        TypedCase{"BeyondADouble", std::string(400, '9'), K::Text, 0, "General", "",
                  std::string(400, '9')}),
    [](const ::testing::TestParamInfo<TypedCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    DatesAndTimes, TypedCellWriteTest,
    ::testing::Values(
        TypedCase{"Date", "5/3/2004", K::Date, kMarch5th2004, "d-MM-yyyy", "d-MM-yyyy",
                  "5-03-2004"},
        TypedCase{"DateWithMonthName", "5 March 2004", K::Date, kMarch5th2004, "d-MM-yyyy",
                  "d-MM-yyyy", "5-03-2004"},
        // a time is kept, not turned into 30-12-1899
        TypedCase{"TimeAlone", "12:30", K::Date, kHalfPastTwelve, "h:mm", "", "12:30"},
        TypedCase{"DateAndTime", "5/3/2004 10:15", K::Date, kMarch5th2004 + kQuarterPastTen,
                  "dd/mm/yyyy h:mm", "", "5/3/2004 10:15"},
        TypedCase{"NoSuchDay", "31/02/2004", K::Text, 0, "General", "", "31/02/2004"}),
    [](const ::testing::TestParamInfo<TypedCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Texts, TypedCellWriteTest,
                         ::testing::Values(
                             // data never becomes a formula
                             TypedCase{"Formula", "=1+1", K::Text, 0, "General", "", "=1+1"},
                             TypedCase{"Hyperlink", "=HYPERLINK(\"http://example.com\")", K::Text,
                                       0, "General", "", "=HYPERLINK(\"http://example.com\")"},
                             TypedCase{"Word", "Widget", K::Text, 0, "General", "", "Widget"},
                             TypedCase{"Empty", "", K::Empty, 0, "General", "", ""}),
                         [](const ::testing::TestParamInfo<TypedCase>& info) {
                           return info.param.name;
                         });

TEST_F(FlexGridExportTest, DataCellOperationsComeInOrder) {
  Grid({{"Value"}, {"1234"}});
  Export();
  EXPECT_THAT(LogWith("A2."),
              ElementsAre("A2.Font.Bold = False", "A2.Font.Italic = False",
                          "A2.NumberFormat = #,##0", "A2.FormulaR1C1 = 1234", "A2.Font.Color = 0"));
}

TEST_F(FlexGridExportTest, MonthFirstDatesKeepTheirDay) {
  UseRegional(host::RegionalSettings::EnglishUnitedStates());
  Grid({{"When"}, {"5/3/2004"}, {"5/3/2004 10:15"}, {"13/5/2004"}});
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_EQ(Cell("A2").kind, host::CellKind::Date);
  EXPECT_DOUBLE_EQ(Cell("A2").number, kMay3rd2004);
  EXPECT_EQ(Style("A2").numberFormat, "d-MM-yyyy");
  EXPECT_EQ(Cell("A3").kind, host::CellKind::Date);
  EXPECT_NEAR(Cell("A3").number, kMay3rd2004 + kQuarterPastTen, 1e-9);
  EXPECT_EQ(Cell("A4").kind, host::CellKind::Text);
  EXPECT_EQ(Text("A4"), "13/5/2004");
}

}  // namespace
}  // namespace gridkit::sheet::testing
