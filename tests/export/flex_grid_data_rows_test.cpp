// Data rows: each cell's bold, italic and colour, merged runs along a row,
// and the grid scrolled along as the rows are copied.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flex_grid_export_fixture.h"

namespace gridkit::sheet::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(FlexGridExportTest, BoldAndItalicFollowEachCell) {
  Grid({{"A", "B"}, {"bold", "italic"}, {"both", "plain"}});
  grid_.CellAt(1, 0).bold = true;
  grid_.CellAt(1, 1).italic = true;
  grid_.CellAt(2, 0).bold = true;
  grid_.CellAt(2, 0).italic = true;
  Export();

  EXPECT_TRUE(Style("A2").bold);
  EXPECT_FALSE(Style("A2").italic);
  EXPECT_FALSE(Style("B2").bold);
  EXPECT_TRUE(Style("B2").italic);
  EXPECT_TRUE(Style("A3").bold);
  EXPECT_TRUE(Style("A3").italic);
  EXPECT_FALSE(Style("B3").bold);
  EXPECT_FALSE(Style("B3").italic);
}

TEST_F(FlexGridExportTest, TheGridForeColorReplacesEveryCellColour) {
  Grid({{"A", "B"}, {"red", "none"}, {"12.50", "x"}});
  grid_.CellAt(1, 0).foreColor = 0x0000FF;
  grid_.setForeColor(0x00112233);
  Export();

  for (const char* ref : {"A1", "A2", "B2", "A3", "B3"}) {
    EXPECT_TRUE(Style(ref).hasFontColor) << ref;
    EXPECT_EQ(Style(ref).fontColor, 0x00112233u) << ref;
  }
  // The cell's own colour was set first, then the whole columns'.
  const std::vector<std::string> colours = LogWith("Font.Color");
  ASSERT_EQ(colours.size(), 5u);
  EXPECT_EQ(colours[0], "A2.Font.Color = 255");
  EXPECT_EQ(colours.back(), "A:B.Font.Color = 1122867");
  EXPECT_EQ(Style("A3").numberFormat, "#,##0.00");
}

TEST_F(FlexGridExportTest, MergedDataRowMergesRunsOfEqualTexts) {
  Grid({{"h1", "h2", "h3"}, {"A", "A", "B"}, {"12.50", "12.50", "x"}, {"p", "q", "r"}});
  grid_.setMergeRow(1, true);
  grid_.setMergeRow(2, true);
  grid_.CellAt(1, 0).bold = true;
  grid_.CellAt(2, 2).italic = true;
  grid_.CellAt(2, 0).foreColor = 0x0000FF;
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_THAT(Merges(), ElementsAre("A2:B2", "A3:B3"));
  EXPECT_EQ(Text("A2"), "A");
  EXPECT_TRUE(Cell("B2").coveredByMerge);
  EXPECT_EQ(Text("C2"), "B");
  EXPECT_DOUBLE_EQ(Cell("A3").number, 12.5);
  EXPECT_EQ(Text("C3"), "x");
  // Bold and italic still come from the grid cells ...
  EXPECT_TRUE(Style("A2").bold);
  EXPECT_TRUE(Style("C3").italic);
  // ... but the runs are written plainly: no number format, no colour of their own.
  EXPECT_THAT(LogWith("NumberFormat"), IsEmpty());
  EXPECT_THAT(LogWith("A3.Font.Color"), IsEmpty());
  EXPECT_THAT(LogWith("A2:B2.FormulaR1C1"), ElementsAre("A2:B2.FormulaR1C1 = A"));
  EXPECT_THAT(LogWith("C2.FormulaR1C1"), ElementsAre("C2.FormulaR1C1 = B"));
  // A plain row after them is typed as usual.
  EXPECT_EQ(Text("A4"), "p");
  EXPECT_EQ(Text("C4"), "r");
}

TEST_F(FlexGridExportTest, MergedDataRunCoversOnlyItsVisibleColumns) {
  Grid({{"h1", "h2", "h3", "h4"}, {"A", "A", "A", "B"}}).setMergeRow(1, true);
  grid_.setColWidth(1, 0);
  Export();

  EXPECT_THAT(Merges(), ElementsAre("A2:B2"));
  EXPECT_EQ(Text("A2"), "A");
  EXPECT_EQ(Text("C2"), "B");
  EXPECT_EQ(Sheet().LastColumn(), 3);
}

TEST_F(FlexGridExportTest, MergedDataRowWithoutEqualNeighboursMergesNothing) {
  Grid({{"h1", "h2", "h3"}, {"A", "B", "A"}}).setMergeRow(1, true);
  Export();
  EXPECT_THAT(Merges(), IsEmpty());
  EXPECT_EQ(Text("A2"), "A");
  EXPECT_EQ(Text("B2"), "B");
  EXPECT_EQ(Text("C2"), "A");
}

TEST_F(FlexGridExportTest, TheGridScrollsAlongToTheLastDataRow) {
  Grid({{"h1", "h2"}, {"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
  grid_.setKeepTopRowHistory(true);
  Export();

  EXPECT_THAT(grid_.TopRowHistory(), ElementsAre(1, 2, 3, 4));
  EXPECT_EQ(grid_.TopRow(), 4);
  // The current cell is the last one visited.
  EXPECT_EQ(grid_.Row(), 4);
  EXPECT_EQ(grid_.Col(), 1);
}

TEST_F(FlexGridExportTest, AGridOfFixedRowsOnlyWritesNoDataRow) {
  Grid({{"h1", "h2"}});
  grid_.setKeepTopRowHistory(true);
  grid_.setMergeCol(0, true);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_EQ(Sheet().LastRow(), 1);
  EXPECT_THAT(grid_.TopRowHistory(), IsEmpty());
  EXPECT_THAT(Merges(), IsEmpty());
  EXPECT_TRUE(App().Visible());
}

}  // namespace
}  // namespace gridkit::sheet::testing
