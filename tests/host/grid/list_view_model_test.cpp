#include "host/grid/list_view_model.h"

#include <gtest/gtest.h>

#include "host/error.h"

namespace gridkit::host {
namespace {

class ListViewModelTest : public ::testing::Test {
 protected:
  ListViewModelTest() {
    list_.AddColumn("Code", 1000, 0);
    list_.AddColumn("Name", 2000, 2);
    list_.AddColumn("Amount", 1500, 1);
    ListItemModel& first = list_.AddItem("C1");
    first.AddSubItem("Alpha").bold = true;
    first.AddSubItem("10").foreColor = 0x0000FF;
    list_.AddItem("C2").AddSubItem("Beta");
    list_.AddItem("C3");
  }

  ListViewModel list_;
};

TEST_F(ListViewModelTest, ItemsAndSubItemsByColumn) {
  ListItems& items = list_.ListItems();
  ASSERT_EQ(items.Count(), 3);
  EXPECT_EQ(list_.ColumnHeaders().Count(), 3);
  EXPECT_EQ(list_.ColumnHeaders().Item(3).Text(), "Amount");
  EXPECT_EQ(list_.ColumnHeaders().Item(3).Alignment(), 1);
  EXPECT_EQ(items.Item(1).Text(), "C1");
  EXPECT_EQ(items.Item(1).SubItems(1), "Alpha");
  EXPECT_EQ(items.Item(1).SubItems(2), "10");
  EXPECT_TRUE(items.Item(1).ListSubItems(1).Bold());
  EXPECT_EQ(items.Item(1).ListSubItems(2).ForeColor(), 0x0000FFu);
  EXPECT_EQ(items.Item(2).SubItems(2), "");  // a column the item has no text for
  EXPECT_EQ(items.Item(3).SubItems(1), "");
  EXPECT_EQ(items.Item(3).ForeColor(), kWindowTextColor);
  EXPECT_THROW(items.Item(1).SubItems(3), Error);  // past the last column
  EXPECT_THROW(items.Item(1).SubItems(0), Error);
  EXPECT_THROW(items.Item(0), Error);
  EXPECT_THROW(items.Item(4), Error);
}

TEST_F(ListViewModelTest, RecordsSelectionAndScrolling) {
  EXPECT_EQ(list_.SelectedIndex(), 0);
  EXPECT_EQ(list_.EnsuredVisibleIndex(), 0);
  list_.ListItems().Item(1).setSelected(true);
  list_.ListItems().Item(3).setSelected(true);
  list_.ListItems().Item(2).EnsureVisible();
  EXPECT_EQ(list_.SelectedIndex(), 3);
  EXPECT_FALSE(list_.ItemAt(1).Selected());
  EXPECT_TRUE(list_.ItemAt(3).Selected());
  EXPECT_EQ(list_.EnsuredVisibleIndex(), 2);
}

}  // namespace
}  // namespace gridkit::host
