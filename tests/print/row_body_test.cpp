// Rows: merged captions, the rules between columns and rows, and group and
// total rows recognised from the grid's formatting.

#include <gtest/gtest.h>

#include "tests/print/print_fixture.h"

namespace gridkit::print::test {
namespace {

class RowBodyTest : public PrintFixture {
 protected:
  // Columns of 10, 5 and 10 characters (8, 4 and 8 wide), a hidden one
  // between the last two.
  void SetUp() override {
    MakeGrid(4, {1000, 500, 0, 1000});
    FillRow(0, {"Item", "Qty", "", "Amount"});
    FillRow(1, {"Fruit", "", "", ""});
    FillRow(2, {"Apples", "3", "", "1.50"});
    FillRow(3, {"Pears", "12", "", "2.00"});
    FillRow(4, {"Total", "15", "", "3.50"});
    options.PrintDateReqLastPage = false;
    options.LineOnPageBreak = false;
  }

  double YOf(const std::string& text) { return Find(text)->y; }
};

TEST_F(RowBodyTest, EqualNeighboursOfAMergeRowPrintOnceCentredOverTheirWidth) {
  grid = host::FlexGridModel(3, 4, 2);
  for (int32_t c = 0; c < 4; ++c)
    grid.setColWidth(c, c == 2 ? 0 : c == 1 ? 500 : 1000);
  grid.setColAlignment(3, 7);
  FillRow(0, {"Fruit", "Fruit", "", "Money"});
  FillRow(1, {"Item", "Qty", "", "Amount"});
  FillRow(2, {"", "", "", "x"});
  grid.setMergeRow(0, true);
  grid.setMergeRow(2, true);
  ASSERT_EQ(Print(), "");
  const double boldWidth = 0.9 * 1.1;  // 9 points, bold
  EXPECT_DOUBLE_EQ(Find("Fruit")->x, 2 + (8 + 4 + 0.4 - 5 * boldWidth) / 2);
  EXPECT_DOUBLE_EQ(Find("Money")->x, 14.8 + 8 - 5 * boldWidth) << "alone: its own alignment";
  const std::vector<std::string> texts = Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Fruit"), 1);
  // Two equal empty cells merge into one empty cell.
  EXPECT_EQ(std::count(texts.begin(), texts.end(), ""), 1);
  EXPECT_EQ(grid.Col(), 3) << "the grid is left at the last column selected";
}

TEST_F(RowBodyTest, RulesBetweenColumnsRunHalfAGapLeftOfEachCellAndAtTheRightMargin) {
  options.LineBetnCol = true;
  ASSERT_EQ(Print(), "");
  std::vector<double> xs;
  for (const host::PrintedRule& rule : Page(0).rules) {
    if (rule.x1 == rule.x2 && rule.y1 >= 5.4) xs.push_back(rule.x1);
  }
  ASSERT_GE(xs.size(), 4u);
  EXPECT_DOUBLE_EQ(xs[0], 1.8);
  EXPECT_DOUBLE_EQ(xs[1], 10.2);
  EXPECT_DOUBLE_EQ(xs[2], 14.6);
  EXPECT_DOUBLE_EQ(xs[3], 94) << "the right border, far beyond the last column";
}

TEST_F(RowBodyTest, NoFormattingMeansNothingIsRecognised) {
  ASSERT_EQ(Print(), "");
  const auto plain = office->Documents().back().pages;
  options.GpHeadDiffBy = HBold;
  options.GroupsDiffOn = GBoth;
  UsePrinter(96, 60);
  ASSERT_EQ(Print(), "");
  ASSERT_EQ(Document().pages.size(), plain.size());
  ASSERT_EQ(Page(0).texts.size(), plain[0].texts.size());
  for (size_t i = 0; i < plain[0].texts.size(); ++i) {
    EXPECT_EQ(Page(0).texts[i].y, plain[0].texts[i].y);
    EXPECT_EQ(Page(0).texts[i].bold, plain[0].texts[i].bold);
  }
  EXPECT_EQ(Page(0).rules.size(), plain[0].rules.size());
}

TEST_F(RowBodyTest, GBoldPrintsExactlyTheRecognisedRowsBold) {
  grid.CellAt(1, 0).bold = true;
  grid.CellAt(4, 0).bold = true;
  options.GpHeadDiffBy = HBold;
  options.GroupsDiffOn = GBold;
  ASSERT_EQ(Print(), "");
  EXPECT_TRUE(Find("Fruit")->bold);
  EXPECT_FALSE(Find("Apples")->bold);
  EXPECT_FALSE(Find("3")->bold);
  EXPECT_TRUE(Find("Total")->bold);
  EXPECT_TRUE(Find("15")->bold) << "the whole row";
  EXPECT_DOUBLE_EQ(YOf("Apples") - YOf("Fruit"), 1.1) << "bold takes no room";
}

TEST_F(RowBodyTest, GNoneLeavesAnEmptyLineAboveAndBelow) {
  grid.CellAt(1, 1).foreColor = 0xFF;
  options.GpHeadDiffBy = HForeColor;
  options.GpHeadCol = 1;
  options.GroupsDiffOn = GNone;
  ASSERT_EQ(Print(), "");
  EXPECT_NEAR(YOf("Fruit"), 5.5 + 1, 1e-9);
  EXPECT_NEAR(YOf("Apples"), YOf("Fruit") + 1.1 + 1, 1e-9);
  EXPECT_FALSE(Find("Fruit")->bold);
}

TEST_F(RowBodyTest, GLineWithRowRulesDrawsTheGroupRuleALineGapAboveTheRowRule) {
  grid.CellAt(2, 3).backColor = 0xFFFF00;
  options.TotalDiffBy = HBackColor;
  options.TotalCol = 3;
  options.TotalDiffOn = GLine;
  options.LineBetnRow = true;
  ASSERT_EQ(Print(), "");
  // Row 1 ends at 6.6 with its rule; above Apples nothing more is drawn.
  // Under Apples: the group rule at 7.8, the row rule at 7.9.
  const std::vector<double> rules = RuleHeights();
  const std::vector<double> expected{4.2, 5.4, 6.6, 7.8, 7.9, 9.1, 10.3};
  ASSERT_EQ(rules.size(), expected.size());
  for (size_t i = 0; i < rules.size(); ++i)
    EXPECT_NEAR(rules[i], expected[i], 1e-9) << i;
  EXPECT_NEAR(YOf("Apples"), 6.7, 1e-9);
}

TEST_F(RowBodyTest, ARuleDrawnByTheLastJobDoesNotSuppressTheFirstGroupRule) {
  options.LineBetnRow = true;  // this job ends on a row rule
  ASSERT_EQ(Print(), "");
  MakeGrid(2, {1000}, 0);
  FillRow(0, {"Fruit"});
  grid.CellAt(0, 0).bold = true;
  options.LineBetnRow = false;
  options.GpHeadDiffBy = HBold;
  options.GroupsDiffOn = GLine;
  ASSERT_EQ(Print(), "");  // the same print object, so the same state
  ASSERT_EQ(office->Documents().size(), 2u);
  const std::vector<host::PrintedRule>& rules = office->Documents()[1].pages[0].rules;
  ASSERT_FALSE(rules.empty());
  EXPECT_NEAR(rules.front().y1, 4.2, 1e-9) << "the rule above the group row";
}

TEST_F(RowBodyTest, ARowThatIsGroupAndTotalGetsBothInThatOrder) {
  grid.CellAt(4, 0).bold = true;
  options.GpHeadDiffBy = HBold;
  options.GroupsDiffOn = GNone;
  options.TotalDiffBy = HBold;
  options.TotalDiffOn = GBold;
  ASSERT_EQ(Print(), "");
  EXPECT_TRUE(Find("Total")->bold);
  EXPECT_NEAR(YOf("Total"), YOf("Pears") + 1.1 + 1, 1e-9);
}

TEST_F(RowBodyTest, UnknownRecognitionValuesNeverRecognise) {
  grid.CellAt(1, 0).bold = true;
  options.GpHeadDiffBy = static_cast<HeadDifferenceConstants>(7);
  options.GroupsDiffOn = GBold;
  ASSERT_EQ(Print(), "");
  EXPECT_FALSE(Find("Fruit")->bold);
}

}  // namespace
}  // namespace gridkit::print::test
