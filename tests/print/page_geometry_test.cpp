// Which columns print and how wide, and the landscape questions when the
// report is wider than the paper.

#include <gtest/gtest.h>

#include "host/text/utf8.h"
#include "tests/print/print_fixture.h"

namespace gridkit::print::test {
namespace {

constexpr const char* kTooWide =
    "Document width is exceeding paper With. \r\n\r\nDo you want take printout in Landscape?";
constexpr const char* kStillTooWide =
    "Document width is exceeding, After setting in landscape. Do you want to continue?";

class PageGeometryTest : public PrintFixture {};

TEST_F(PageGeometryTest, ColumnsNoWiderThanOneWAreLeftOut) {
  MakeGrid(1, {1000, 100, 0, 600, 101});
  FillRow(1, {"a", "narrow", "hidden", "b", "c"});
  ASSERT_EQ(Print(), "");
  // 10 characters of 0.8, then the gap; the 101-twip column is 1 character.
  EXPECT_DOUBLE_EQ(Find("a")->x, 2);
  EXPECT_DOUBLE_EQ(Find("b")->x, 10.4);
  EXPECT_NEAR(Find("c")->x, 10.4 + 4.8 + 0.4, 1e-9);
  for (const std::string& text : Texts()) {
    EXPECT_NE(text, "narrow");
    EXPECT_NE(text, "hidden");
  }
}

TEST_F(PageGeometryTest, WithNoColumnWideEnoughColumnZeroPrintsAlone) {
  MakeGrid(1, {50, 100});
  FillRow(1, {"first", "second"});
  ASSERT_EQ(Print(), "");
  // Column 0 is 0 characters wide: "first" (4 wide) loses floor(4 x 0.8) + 1.
  EXPECT_EQ(Texts(), (std::vector<std::string>{"", "f", "Date : 07-Sep-2006   Time : 03:04 PM"}));
}

TEST_F(PageGeometryTest, ColumnAlignmentFollowsTheGridsCodes) {
  MakeGrid(1, {1000, 1000, 1000, 1000});
  FillRow(1, {"L", "C", "R", "G"});
  grid.setColAlignment(0, 0);
  grid.setColAlignment(1, 4);
  grid.setColAlignment(2, 8);
  grid.setColAlignment(3, 9);
  ASSERT_EQ(Print(), "");
  EXPECT_DOUBLE_EQ(Find("L")->x, 2);
  EXPECT_DOUBLE_EQ(Find("C")->x, 10.4 + (8 - 0.8) / 2);
  EXPECT_DOUBLE_EQ(Find("R")->x, 18.8 + 8 - 0.8);
  EXPECT_DOUBLE_EQ(Find("G")->x, 27.2) << "general prints left";
}

// A printer whose characters are 1.5 units wide, so that totals of whole and
// half units come out exactly.
class WidePrinter : public host::PrinterModel {
 public:
  using PrinterModel::PrinterModel;
  double TextWidth(std::string_view text) const override {
    return static_cast<double>(host::CharCount(text)) * 1.5;
  }
};

struct WidthCase {
  const char* name;
  std::vector<int32_t> widths;  // characters of 1.5, each with a gap of 0.4
  double pageWidth;             // the printable width is 4 less
  double pageHeight;            // landscape: twice this wide
  std::vector<host::MsgResult> answers;
  std::string expectedResult;
  size_t expectedQuestions;
  int16_t expectedOrientation;
};

class WidthCheckTest : public PrintFixture, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(WidthCheckTest, AsksOnlyWhenTheRoundedTotalIsWider) {
  const WidthCase& c = GetParam();
  printers = std::make_unique<host::PrintersModel>();
  office = static_cast<host::PrinterModel*>(
      &printers->Add(std::make_unique<WidePrinter>("Office", c.pageWidth, c.pageHeight)));
  caldrino = std::make_unique<Caldrino>(*printers, messages, clock);
  caldrino->setActFrm(&form);
  caldrino->setFgrid(&grid);
  std::vector<int32_t> twips;
  for (int32_t chars : c.widths)
    twips.push_back(chars * 100);
  MakeGrid(1, twips);
  for (host::MsgResult answer : c.answers)
    messages.Answer(answer);

  EXPECT_EQ(Print(), c.expectedResult);
  ASSERT_EQ(messages.Shown().size(), c.expectedQuestions);
  if (c.expectedQuestions > 0) {
    EXPECT_EQ(messages.Shown()[0].text, kTooWide);
    EXPECT_EQ(messages.Shown()[0].buttons, host::MsgButtons::YesNoCancel);
    EXPECT_EQ(messages.Shown()[0].icon, host::MsgIcon::Question);
    EXPECT_EQ(messages.Shown()[0].title, "");
  }
  if (c.expectedQuestions > 1) {
    EXPECT_EQ(messages.Shown()[1].text, kStillTooWide);
    EXPECT_EQ(messages.Shown()[1].buttons, host::MsgButtons::YesNo);
  }
  EXPECT_EQ(office->Orientation(), c.expectedOrientation);
  if (c.expectedResult.empty()) {
    EXPECT_EQ(Page(0).orientation, c.expectedOrientation);
  } else {
    EXPECT_TRUE(office->Documents().empty()) << "nothing printed";
  }
}

using host::MsgResult;
const std::vector<int32_t> k805{5, 5, 5, 5, 5, 5, 5, 5, 5, 6};  // 80.5
const std::vector<int32_t> k815{10, 10, 10, 10, 13};            // 81.5

INSTANTIATE_TEST_SUITE_P(
    Cases, WidthCheckTest,
    ::testing::Values(
        WidthCase{"EqualAsksNothing", {10, 10, 10, 10, 10}, 81, 60, {}, "", 0, 1},
        WidthCase{"HalfRoundsDownToEven", k805, 84, 60, {}, "", 0, 1},
        WidthCase{"HalfRoundsUpToEven", k815, 85, 60, {MsgResult::No}, "", 1, 1},
        WidthCase{"NoPrintsInPortraitTooWide", k815, 84, 60, {MsgResult::No}, "", 1, 1},
        WidthCase{
            "CancelEndsTheJob", k815, 84, 60, {MsgResult::Cancel}, "Paper Width Exceeds", 1, 1},
        WidthCase{"YesSwitchesToLandscape", k815, 84, 60, {MsgResult::Yes}, "", 1, 2},
        WidthCase{"YesYesPrintsInLandscapeTooWide",
                  k815,
                  40,
                  40,
                  {MsgResult::Yes, MsgResult::Yes},
                  "",
                  2,
                  2},
        WidthCase{"YesNoEndsTheJob",
                  k815,
                  40,
                  40,
                  {MsgResult::Yes, MsgResult::No},
                  "Paper Width Exceeds",
                  2,
                  2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gridkit::print::test
