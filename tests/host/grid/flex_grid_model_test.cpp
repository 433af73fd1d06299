#include "host/grid/flex_grid_model.h"
#include "tests/support/error_of.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/error.h"

namespace gridkit::host {
namespace {

using gridkit::test_support::ErrorOf;

using ::testing::ElementsAre;

class FlexGridModelTest : public ::testing::Test {
 protected:
  FlexGridModelTest() {
    for (int32_t r = 0; r < grid_.Rows(); ++r) {
      for (int32_t c = 0; c < grid_.Cols(); ++c) {
        grid_.setTextMatrix(r, c, std::to_string(r) + "," + std::to_string(c));
      }
    }
  }

  FlexGridModel grid_{4, 3, 1};
};

TEST_F(FlexGridModelTest, StartsWithTheDefaults) {
  EXPECT_EQ(grid_.Rows(), 4);
  EXPECT_EQ(grid_.Cols(), 3);
  EXPECT_EQ(grid_.FixedRows(), 1);
  EXPECT_EQ(grid_.ColWidth(2), FlexGridModel::kDefaultColWidth);
  EXPECT_EQ(grid_.ColAlignment(2), 9);
  EXPECT_FALSE(grid_.MergeRow(3));
  EXPECT_FALSE(grid_.MergeCol(0));
  EXPECT_EQ(grid_.ForeColor(), 0x80000008u);
  EXPECT_EQ(grid_.Font().Name, "Arial");
}

TEST_F(FlexGridModelTest, TheCurrentCellGivesItsTextAndLook) {
  FlexCell& cell = grid_.CellAt(2, 1);
  cell.bold = true;
  cell.italic = true;
  cell.foreColor = 0x0000FF;
  cell.backColor = 0x00FFFF;

  grid_.setRow(2);
  grid_.setCol(1);
  EXPECT_EQ(grid_.Text(), "2,1");
  EXPECT_TRUE(grid_.CellFontBold());
  EXPECT_TRUE(grid_.CellFontItalic());
  EXPECT_EQ(grid_.CellForeColor(), 0x0000FFu);
  EXPECT_EQ(grid_.CellBackColor(), 0x00FFFFu);

  // TextMatrix reads any cell and leaves the current cell alone.
  EXPECT_EQ(grid_.TextMatrix(3, 0), "3,0");
  EXPECT_EQ(grid_.Row(), 2);
  EXPECT_EQ(grid_.Col(), 1);

  grid_.setCol(0);
  EXPECT_FALSE(grid_.CellFontBold());
  EXPECT_EQ(grid_.CellForeColor(), 0u);
  grid_.setCellAlignment(1);
  EXPECT_EQ(grid_.CellAt(2, 0).alignment, 1);
}

TEST_F(FlexGridModelTest, SettingRowRaisesRowColChange) {
  std::vector<int32_t> seen;
  grid_.events.RowColChange = [&] { seen.push_back(grid_.Row()); };
  grid_.setRow(1);
  grid_.setRow(3);
  grid_.setRow(3);
  EXPECT_THAT(seen, ElementsAre(1, 3, 3));
}

TEST_F(FlexGridModelTest, AddingARowKeepsTheTexts) {
  grid_.setRows(5);
  ASSERT_EQ(grid_.Rows(), 5);
  EXPECT_EQ(grid_.TextMatrix(3, 2), "3,2");
  EXPECT_EQ(grid_.TextMatrix(4, 2), "");
  grid_.setTextMatrix(4, 2, "new");
  grid_.setCols(4);
  EXPECT_EQ(grid_.TextMatrix(4, 2), "new");
  EXPECT_EQ(grid_.TextMatrix(0, 0), "0,0");
  EXPECT_EQ(grid_.TextMatrix(1, 3), "");
}

TEST_F(FlexGridModelTest, ClearEmptiesTextsAndKeepsCounts) {
  grid_.Clear();
  EXPECT_EQ(grid_.Rows(), 4);
  EXPECT_EQ(grid_.Cols(), 3);
  for (int32_t r = 0; r < 4; ++r) {
    for (int32_t c = 0; c < 3; ++c)
      EXPECT_EQ(grid_.TextMatrix(r, c), "") << r << "," << c;
  }
}

TEST_F(FlexGridModelTest, OutOfRangeCellsRaise) {
  EXPECT_NE(ErrorOf([&] { grid_.setRow(4); }), 0);
  EXPECT_NE(ErrorOf([&] { grid_.setRow(-1); }), 0);
  EXPECT_NE(ErrorOf([&] { grid_.setCol(3); }), 0);
  EXPECT_NE(ErrorOf([&] { grid_.TextMatrix(0, 3); }), 0);
  EXPECT_NE(ErrorOf([&] { grid_.setTextMatrix(4, 0, "x"); }), 0);
  EXPECT_NE(ErrorOf([&] { grid_.ColWidth(-1); }), 0);
  EXPECT_NE(ErrorOf([&] { grid_.MergeRow(4); }), 0);
  EXPECT_NE(ErrorOf([&] { grid_.setTopRow(4); }), 0);
  EXPECT_EQ(ErrorOf([&] { grid_.setRows(0); }), err::kInvalidPropertyValue);
  EXPECT_EQ(ErrorOf([&] { grid_.setFixedRows(5); }), err::kInvalidPropertyValue);
  // A failed move leaves the current cell where it was.
  grid_.setRow(2);
  EXPECT_NE(ErrorOf([&] { grid_.setRow(9); }), 0);
  EXPECT_EQ(grid_.Row(), 2);
}

TEST_F(FlexGridModelTest, KeepsTheTopRowHistoryWhenAsked) {
  grid_.setTopRow(1);
  grid_.setKeepTopRowHistory(true);
  grid_.setTopRow(2);
  grid_.setTopRow(3);
  EXPECT_EQ(grid_.TopRow(), 3);
  EXPECT_THAT(grid_.TopRowHistory(), ElementsAre(2, 3));
}

}  // namespace
}  // namespace gridkit::host
