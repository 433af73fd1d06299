// Equal neighbouring texts down a MergeCol column become merged ranges on
// the sheet rows that hold them, whatever the fixed rows and headings.

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
using ::testing::UnorderedElementsAreArray;

struct ColumnMergeCase {
  std::string name;
  int32_t fixedRows;
  std::string head1;
  int32_t firstDataRow;
  std::vector<std::string> merges;
};

void PrintTo(const ColumnMergeCase& c, std::ostream* os) {
  *os << c.name;
}

class ColumnMergeTest : public FlexGridExportTest,
                        public ::testing::WithParamInterface<ColumnMergeCase> {};

TEST_P(ColumnMergeTest, MergesRunsOnTheRowsThatHoldThem) {
  const ColumnMergeCase& c = GetParam();
  Table texts;
  for (int32_t f = 0; f < c.fixedRows; ++f) {
    texts.push_back({"Group" + std::to_string(f), "Value" + std::to_string(f)});
  }
  const std::vector<std::string> groups = {"X", "X", "Y", "Y", "Y"};
  for (size_t d = 0; d < groups.size(); ++d)
    texts.push_back({groups[d], std::to_string(d + 1)});
  Grid(texts, c.fixedRows).setMergeCol(0, true);
  Export(c.head1);

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_THAT(Merges(), UnorderedElementsAreArray(c.merges));
  const std::string first = std::to_string(c.firstDataRow);
  const std::string third = std::to_string(c.firstDataRow + 2);
  EXPECT_EQ(Text("A" + first), "X");
  EXPECT_EQ(Text("A" + third), "Y");
  // Nothing else is lost: the header rows and the other column stay.
  for (int32_t f = 0; f < c.fixedRows; ++f) {
    const std::string row = std::to_string(c.firstDataRow - c.fixedRows + f);
    EXPECT_EQ(Text("A" + row), "Group" + std::to_string(f));
    EXPECT_FALSE(Cell("A" + row).coveredByMerge);
  }
  for (int32_t d = 0; d < 5; ++d) {
    EXPECT_DOUBLE_EQ(Sheet().Cell(c.firstDataRow + d, 2).number, d + 1) << d;
  }
  EXPECT_EQ(Sheet().LastRow(), c.firstDataRow + 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnMergeTest,
    ::testing::Values(ColumnMergeCase{"OneFixedRow", 1, "", 2, {"A2:A3", "A4:A6"}},
                      ColumnMergeCase{"NoFixedRow", 0, "", 1, {"A1:A2", "A3:A5"}},
                      ColumnMergeCase{"TwoFixedRows", 2, "", 3, {"A3:A4", "A5:A7"}},
                      ColumnMergeCase{"UnderAHeading", 1, "Sales", 4, {"A1:B1", "A4:A5", "A6:A8"}}),
    [](const ::testing::TestParamInfo<ColumnMergeCase>& info) { return info.param.name; });

TEST_F(FlexGridExportTest, ColumnMergeEmptiesTheRangeThenWritesTheText) {
  Grid({{"Group"}, {"X"}, {"X"}}).setMergeCol(0, true);
  Export();
  EXPECT_THAT(LogWith("A2:A3"),
              ElementsAre("A2:A3.FormulaR1C1 = ", "A2:A3.Merge", "A2:A3.FormulaR1C1 = X"));
}

TEST_F(FlexGridExportTest, EmptyTextNeverStartsAMerge) {
  Grid({{"Blanks", "Tail"}, {"", "X"}, {"", ""}, {"Z", ""}, {"Z", ""}, {"", ""}});
  grid_.setMergeCol(0, true);
  grid_.setMergeCol(1, true);
  Export();

  EXPECT_THAT(Merges(), ElementsAre("A4:A5"));
  EXPECT_EQ(Text("A4"), "Z");
  EXPECT_FALSE(Cell("A3").coveredByMerge);
  EXPECT_EQ(Text("B2"), "X");
  EXPECT_FALSE(Cell("B3").coveredByMerge);
}

TEST_F(FlexGridExportTest, ColumnMergesCountOnlyVisibleColumns) {
  Grid({{"Hidden", "Shown", "Other"}, {"P", "Q", "1"}, {"P", "Q", "2"}});
  grid_.setColWidth(0, 0);
  grid_.setMergeCol(0, true);
  grid_.setMergeCol(1, true);
  Export();

  EXPECT_THAT(Merges(), ElementsAre("A2:A3"));
  EXPECT_EQ(Text("A2"), "Q");
  EXPECT_DOUBLE_EQ(Cell("B3").number, 2);
}

TEST_F(FlexGridExportTest, ColumnWithoutMergeColIsNotMerged) {
  Grid({{"Group", "Same"}, {"X", "S"}, {"X", "S"}}).setMergeCol(0, true);
  Export();
  EXPECT_THAT(Merges(), ElementsAre("A2:A3"));
  EXPECT_EQ(Text("B3"), "S");
}

}  // namespace
}  // namespace gridkit::sheet::testing
