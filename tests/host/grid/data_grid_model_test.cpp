#include "host/grid/data_grid_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/error.h"

namespace gridkit::host {
namespace {

// Ten records "r<i>c<j>" in two columns, four rows in view.
class DataGridModelTest : public ::testing::Test {
 protected:
  static std::vector<std::vector<std::string>> Records(int count) {
    std::vector<std::vector<std::string>> records;
    for (int i = 0; i < count; ++i) {
      records.push_back({"r" + std::to_string(i) + "c0", "r" + std::to_string(i) + "c1"});
    }
    return records;
  }

  DataGridModel grid_{{{"Code", 1200, 0}, {"Name", 2400, 2}}, Records(10), 4};
};

TEST_F(DataGridModelTest, DescribesItsColumns) {
  ASSERT_EQ(grid_.Columns().Count(), 2);
  EXPECT_EQ(grid_.Columns().Item(1).Caption(), "Name");
  EXPECT_EQ(grid_.Columns().Item(1).Width(), 2400);
  EXPECT_EQ(grid_.Columns().Item(1).Alignment(), 2);
  EXPECT_THROW(grid_.Columns().Item(2), Error);
  EXPECT_EQ(grid_.ApproxCount(), 10);
  EXPECT_TRUE(grid_.ColumnHeaders());
}

TEST_F(DataGridModelTest, ScrollStopsOnceTheLastRecordsAreInView) {
  grid_.Scroll(0, 3);
  EXPECT_EQ(grid_.FirstInView(), 3);
  grid_.Scroll(0, 4);
  EXPECT_EQ(grid_.FirstInView(), 6);
  EXPECT_EQ(grid_.VisibleRows(), 4);
  grid_.Scroll(0, 4);
  EXPECT_EQ(grid_.FirstInView(), 6);
  grid_.Scroll(0, -grid_.ApproxCount());
  EXPECT_EQ(grid_.FirstInView(), 0);
}

TEST_F(DataGridModelTest, RowAddressesTheView) {
  grid_.Scroll(0, 5);
  grid_.setRow(2);
  grid_.setCol(1);
  EXPECT_EQ(grid_.Text(), "r7c1");
  grid_.setCol(0);
  EXPECT_EQ(grid_.Text(), "r7c0");
  EXPECT_THROW(grid_.setRow(4), Error);  // past the rows in view
  EXPECT_THROW(grid_.setCol(2), Error);
}

TEST(DataGridFewRecordsTest, FewerRecordsThanRowsInView) {
  DataGridModel grid({{"Code"}}, {{"a"}, {"b"}}, 4);
  EXPECT_EQ(grid.VisibleRows(), 2);
  grid.Scroll(0, 1);
  EXPECT_EQ(grid.FirstInView(), 0);
  grid.setRow(1);
  EXPECT_EQ(grid.Text(), "b");

  DataGridModel empty({{"Code"}}, {}, 4);
  EXPECT_EQ(empty.ApproxCount(), 0);
  EXPECT_EQ(empty.VisibleRows(), 0);
  EXPECT_THROW(empty.setRow(0), Error);
  EXPECT_THROW(empty.Text(), Error);  // no record, no current cell
}

}  // namespace
}  // namespace gridkit::host
