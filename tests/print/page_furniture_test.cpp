// What is printed around the rows: the first-page block, the heading band,
// the continuation footers, the date line, and the cutting of texts.

#include <gtest/gtest.h>

#include <string>

#include "print/report_job.h"
#include "tests/print/print_fixture.h"

namespace gridkit::print::test {
namespace {

class PageFurnitureTest : public PrintFixture {
 protected:
  void SetUp() override {
    MakeGrid(1, {1000, 500});
    FillRow(0, {"Name", "Qty"});
    FillRow(1, {"Apples", "3"});
    options.PrintDateReqLastPage = false;
  }
};

TEST_F(PageFurnitureTest, CompanyNameKeepsItsBlanksAndTheAddressIsTrimmed) {
  options.CompanyName = "  ACME  ";
  options.CompanyAddress = "  1 Road  ";
  ASSERT_EQ(Print(), "");
  const host::PrintedText* name = Find("  ACME  ");
  ASSERT_NE(name, nullptr);
  EXPECT_DOUBLE_EQ(name->x, 2 + (92 - 8 * 1.1) / 2) << "8 bold characters of 10 points";
  EXPECT_DOUBLE_EQ(name->y, 2);
  const host::PrintedText* address = Find("1 Road");
  ASSERT_NE(address, nullptr);
  EXPECT_DOUBLE_EQ(address->x, 2 + (92 - 6 * 0.8) / 2);
  EXPECT_DOUBLE_EQ(address->y, 3.1);
  EXPECT_FALSE(address->bold);
  EXPECT_NEAR(Find("Name")->y, 3.1 + 1.1 + 1.1 + 1.1 + 0.1, 1e-9);
}

TEST_F(PageFurnitureTest, BlankCompanyTextsPrintNothingButTheEmptyLineStays) {
  options.CompanyName = "   ";
  options.CompanyAddress = " ";
  ASSERT_EQ(Print(), "");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Name", "Qty", "Apples", "3"}));
  // Two empty lines (block and band) and the rule's gap before the heading.
  EXPECT_NEAR(Find("Name")->y, 2 + 2.2 + 0.1, 1e-9);
}

TEST_F(PageFurnitureTest, PageHeadsAreCutToTheLineThenTrimmedAndABlankHeadTakesItsLine) {
  UsePrinter(14, 60);  // printable width 10: ten "W" of 0.8 rounded to 1
  MakeGrid(1, {500});
  options.PageHead1 = "  ABCDEFGHIJKLMNOP";
  options.PageHead2 = " ";
  ASSERT_EQ(Print(), "");
  const host::PrintedText& head1 = Page(0).texts.at(0);
  EXPECT_EQ(head1.text, "ABCDEFGH");
  EXPECT_EQ(head1.size, 9);
  EXPECT_TRUE(head1.bold);
  const host::PrintedText& head2 = Page(0).texts.at(1);
  EXPECT_EQ(head2.text, "");
  EXPECT_DOUBLE_EQ(head2.x, 2 + 10.0 / 2);
  EXPECT_NEAR(head2.y, 2 + 1.1 + 1.1, 1e-9);
}

TEST_F(PageFurnitureTest, HeadingRowsAreBoxedByDefault) {
  ASSERT_EQ(Print(), "");
  // Above and under the heading row, then the closing rule under the body.
  EXPECT_EQ(RuleHeights().size(), 3u);
  EXPECT_NEAR(RuleHeights()[0], 4.2, 1e-9);
  EXPECT_NEAR(RuleHeights()[1], 5.4, 1e-9);
  EXPECT_NEAR(RuleHeights()[2], 6.6, 1e-9);
  for (const host::PrintedRule& rule : Page(0).rules) {
    EXPECT_DOUBLE_EQ(rule.x1, 2);
    EXPECT_DOUBLE_EQ(rule.x2, 94);
  }
}

TEST_F(PageFurnitureTest, WithoutHeadingRulesTheRowRuleGoesUnderTheBand) {
  options.LineReqForHead = false;
  ASSERT_EQ(Print(), "");
  EXPECT_TRUE(RuleHeights().empty() || RuleHeights().front() > 5) << "no heading rules";
  options.LineBetnRow = true;
  UsePrinter(96, 60);
  ASSERT_EQ(Print(), "");
  // Under the band (first page only), under the body row.
  ASSERT_EQ(RuleHeights().size(), 2u);
  EXPECT_NEAR(RuleHeights()[0], 5.3, 1e-9);
  EXPECT_NEAR(RuleHeights()[1], 6.5, 1e-9);
  EXPECT_NEAR(Find("Apples")->y, 5.4, 1e-9);
}

TEST_F(PageFurnitureTest, NoHeadsAndNoHeadingRowsLeaveTwoEmptyLines) {
  MakeGrid(1, {1000}, 0);
  FillRow(0, {"Apples"});
  ASSERT_EQ(Print(), "");
  EXPECT_NEAR(Find("Apples")->y, 2 + 2.2, 1e-9);
}

TEST_F(PageFurnitureTest, DateLineClosesTheLastPage) {
  options.PrintDateReqLastPage = true;
  ASSERT_EQ(Print(), "");
  const std::string line = "Date : 07-Sep-2006   Time : 03:04 PM";
  const host::PrintedText* date = Find(line);
  ASSERT_NE(date, nullptr);
  EXPECT_NEAR(date->y, 6.6 + 1, 1e-9);
  EXPECT_DOUBLE_EQ(date->x, 94 - 0.8 * static_cast<double>(line.size()));
}

TEST_F(PageFurnitureTest, WithoutDateAndClosingRuleTheLastPageEndsWithTheLastRow) {
  options.LineOnPageBreak = false;
  ASSERT_EQ(Print(), "");
  EXPECT_EQ(Texts().back(), "3");
  EXPECT_NEAR(RuleHeights().back(), 5.4, 1e-9) << "the heading's rule is the last";
}

// 11 body rows fill the first page of 21 lines, 12 the next ones.
TEST_F(PageFurnitureTest, PageBreaksNumberTheFootersAndNeverFollowTheLastRow) {
  UsePrinter(96, 21);
  MakeGrid(30, {1000});
  FillRow(0, {"Name"});
  for (int32_t r = 1; r <= 30; ++r)
    FillRow(r, {"row " + std::to_string(r)});
  ASSERT_EQ(Print(), "");
  ASSERT_EQ(Document().pages.size(), 3u);
  EXPECT_EQ(Texts(0).back(), "To Be Continued........ Page No : 1");
  EXPECT_EQ(Texts(0).at(Texts(0).size() - 2), "row 11");
  EXPECT_EQ(Texts(1).back(), "To Be Continued........ Page No : 2");
  EXPECT_EQ(Texts(1).front(), "Name") << "the heading rows repeat";
  EXPECT_EQ(Texts(2).back(), "row 30");
  const host::PrintedText* footer = Find("To Be Continued........ Page No : 1");
  EXPECT_NEAR(footer->y, 17.6 + 1, 1e-9);

  MakeGrid(23, {1000});
  UsePrinter(96, 21);
  ASSERT_EQ(Print(), "");
  EXPECT_EQ(Document().pages.size(), 2u) << "the full page after the last row gets no break";
}

TEST_F(PageFurnitureTest, ContinuationPagesWithoutHeadingRowsStartTheirRulesOnTheirOwnPage) {
  UsePrinter(96, 21);
  MakeGrid(20, {1000}, 0);
  options.LineBetnCol = true;
  ASSERT_EQ(Print(), "");
  ASSERT_EQ(Document().pages.size(), 2u);
  for (const host::PrintedRule& rule : Page(1).rules) {
    if (rule.y1 == rule.y2) continue;
    EXPECT_LE(rule.y1, rule.y2) << "a vertical rule from the page before";
    EXPECT_GE(rule.y1, 2);
  }
}

// FitText on its own: a printer of 10-point characters 1 unit wide, and a
// character width of 1.2 in the job's state.
class FitTextTest : public ::testing::Test {
 protected:
  FitTextTest() : job(state, printer, options, 10, {messages, clock, regional}) {
    job.UseFont(10, false);
    state.CharWidth = 1.2;
  }

  ReportState state;
  host::PrinterModel printer{"Office"};
  ReportOptions options;
  host::MessageBoxModel messages;
  host::FixedClock clock{0};
  host::RegionalSettings regional;
  ReportJob job;
};

TEST_F(FitTextTest, CutsOnceFromTheExcess) {
  const std::string text = "abcdefghijklmnopqrstuvwxyz0123";  // 30 wide
  EXPECT_EQ(job.FitText(text, 10, 0), "abcde") << "c = 20 x 1.2 = 24, so 30 - 24 - 1 are kept";
  EXPECT_EQ(job.FitText(text, 10, 2), "abcde");
  EXPECT_EQ(job.FitText(text, 10, 1), "z0123") << "right-aligned keeps the last characters";
  EXPECT_EQ(job.FitText(text, 30, 1), text) << "a text that fits is left alone";
  EXPECT_EQ(job.FitText("añbçd", 4.5, 0), "añbç") << "characters, not bytes";
}

TEST_F(FitTextTest, ACutThatLeavesNothingGivesTheEmptyText) {
  EXPECT_EQ(job.FitText("abcde", 1, 0), "") << "n - c = 1";
  EXPECT_EQ(job.FitText("abcde", 0.5, 0), "") << "n - c = 0";
  EXPECT_EQ(job.FitText("abcde", 0, 1), "") << "n - c < 0";
}

// At 12 points the cut of a long text in a 2-character column is longer
// than the text.
TEST_F(PageFurnitureTest, ALongTextInANarrowColumnDoesNotCostTheReport) {
  options.LngFontSize = 12;
  MakeGrid(2, {200, 1000});
  FillRow(1, {"a very long text indeed", "kept"});
  FillRow(2, {"x", "also kept"});
  ASSERT_EQ(Print(), "");
  EXPECT_EQ(Document().state, host::DocumentState::Ended);
  const std::vector<std::string> texts = Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "also kept"), texts.end());
}

}  // namespace
}  // namespace gridkit::print::test
