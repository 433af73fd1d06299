// The job as a whole: the result texts and their order, the error path,
// margins and the base font size.

#include <gtest/gtest.h>

#include "host/error.h"
#include "tests/print/print_fixture.h"

namespace gridkit::print::test {
namespace {

class PrintJobTest : public PrintFixture {
 protected:
  void SetUp() override {
    MakeGrid(2, {1000, 500});
    FillRow(0, {"Name", "Qty"});
    FillRow(1, {"Apples", "3"});
    FillRow(2, {"Pears", "12"});
  }
};

TEST_F(PrintJobTest, PrintsToTheEndAndEndsTheDocument) {
  EXPECT_EQ(Print(), "");
  EXPECT_EQ(Document().state, host::DocumentState::Ended);
  EXPECT_EQ(office->Calls(), (std::vector<std::string>{"ScaleMode 4", "FillStyle 5", "NewPage",
                                                       "EndDoc", "KillDoc"}))
      << "this build abandons after ending; the ended document stays";
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Name", "Qty", "Apples", "3", "Pears", "12",
                                               "Date : 07-Sep-2006   Time : 03:04 PM"}));
}

TEST_F(PrintJobTest, PrinterNameMustMatchExactly) {
  for (const char* name : {"office", "Office ", "", "Offic"}) {
    EXPECT_EQ(caldrino->PrintFromFlexGrid(name, options), "Invalid Printer Name") << name;
  }
  EXPECT_TRUE(office->Documents().empty());
  EXPECT_TRUE(office->Calls().empty()) << "nothing is sent to any printer";
}

TEST_F(PrintJobTest, FirstOfTwoPrintersWithTheSameNameIsUsed) {
  auto& second = static_cast<host::PrinterModel&>(
      printers->Add(std::make_unique<host::PrinterModel>("Office")));
  EXPECT_EQ(Print(), "");
  EXPECT_EQ(office->Documents().size(), 1u);
  EXPECT_TRUE(second.Documents().empty());
  EXPECT_EQ(&printers->Current(), office) << "the chosen printer stays current";
}

TEST_F(PrintJobTest, AnUnmatchedPrinterNameWinsOverAnEmptyGrid) {
  MakeGrid(0, {1000});
  EXPECT_EQ(caldrino->PrintFromFlexGrid("Nobody", options), "Invalid Printer Name");
  EXPECT_EQ(Print(), "There is no Data on the grid");
  EXPECT_TRUE(office->Documents().empty());
}

TEST_F(PrintJobTest, MissingGridOrFormIsReportedWithoutADocument) {
  caldrino->setActFrm(nullptr);
  EXPECT_EQ(Print(), "Object variable or With block variable not set");
  caldrino->setActFrm(&form);
  caldrino->setFgrid(nullptr);
  EXPECT_EQ(Print(), "Object variable or With block variable not set");
  EXPECT_TRUE(office->Documents().empty());
  EXPECT_EQ(std::count(office->Calls().begin(), office->Calls().end(), "KillDoc"), 0);
}

TEST_F(PrintJobTest, AFormWhoseWRoundsToZeroFailsBeforeTheDocument) {
  host::HostFormModel narrow(0.4);
  caldrino->setActFrm(&narrow);
  EXPECT_EQ(Print(), "Division by zero");
  EXPECT_TRUE(office->Documents().empty());
}

TEST_F(PrintJobTest, AGroupColumnOutsideTheGridAbandonsTheBegunDocument) {
  options.GpHeadDiffBy = HBold;
  options.GpHeadCol = 7;
  EXPECT_EQ(Print(), "Invalid Col value");
  EXPECT_EQ(Document().state, host::DocumentState::Killed);
  const std::vector<std::string>& calls = office->Calls();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2], "KillDoc");
  EXPECT_EQ(calls.back(), "EndDoc");
}

struct MarginCase {
  int32_t given;
  double used;
};

class MarginTest : public PrintJobTest, public ::testing::WithParamInterface<MarginCase> {};

TEST_P(MarginTest, MarginsBelowThreeCountAsTwo) {
  options.LeftMargin = GetParam().given;
  options.TopMargin = GetParam().given;
  options.PrintDateReqLastPage = false;
  ASSERT_EQ(Print(), "");
  const host::PrintedText* name = Find("Name");
  ASSERT_NE(name, nullptr);
  EXPECT_DOUBLE_EQ(name->x, GetParam().used);
  // The empty line of the first-page block and that of the heading band,
  // then the rule above the heading row.
  EXPECT_NEAR(name->y, GetParam().used + 2.2 + 0.1, 1e-9);
  const host::PrintedRule& top = Page(0).rules.front();
  EXPECT_DOUBLE_EQ(top.x2 - top.x1, 96 - 2 * GetParam().used) << "the right margin is the left";
}

INSTANTIATE_TEST_SUITE_P(Cases, MarginTest,
                         ::testing::Values(MarginCase{3, 3}, MarginCase{5, 5}, MarginCase{2, 2},
                                           MarginCase{1, 2}, MarginCase{0, 2}, MarginCase{-4, 2}));

TEST_F(PrintJobTest, FontSizeBelowEightIsRaisedAndWrittenBack) {
  options.LngFontSize = 6;
  options.CompanyName = "ACME";
  ASSERT_EQ(Print(), "");
  EXPECT_EQ(options.LngFontSize, 8);
  EXPECT_EQ(Find("ACME")->size, 10);
  EXPECT_TRUE(Find("ACME")->bold);
  EXPECT_EQ(Find("Name")->size, 9) << "heading band: one point up, bold";
  EXPECT_TRUE(Find("Name")->bold);
  EXPECT_EQ(Find("Apples")->size, 8);
  EXPECT_FALSE(Find("Apples")->bold);
  EXPECT_EQ(Find("Apples")->fontName, "Arial");
}

TEST_F(PrintJobTest, LargerFontSizesAreKept) {
  options.LngFontSize = 12;
  ASSERT_EQ(Print(), "");
  EXPECT_EQ(options.LngFontSize, 12);
  EXPECT_EQ(Find("Apples")->size, 12);
  EXPECT_EQ(Find("Name")->size, 13);
}

TEST_F(PrintJobTest, EveryJobSetsItsStateAgain) {
  options.LngFontSize = 12;
  options.LeftMargin = 6;
  ASSERT_EQ(Print(), "");
  ReportOptions defaults;
  ASSERT_EQ(caldrino->PrintFromFlexGrid("Office", defaults), "");
  const host::PrintedText& apples = office->Documents().back().pages[0].texts.at(2);
  EXPECT_EQ(apples.text, "Apples");
  EXPECT_EQ(apples.size, 8);
  EXPECT_DOUBLE_EQ(apples.x, 2);
}

}  // namespace
}  // namespace gridkit::print::test
