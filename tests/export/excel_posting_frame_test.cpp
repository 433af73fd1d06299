// The frame around every walk: heading rows, sheet font, merged headings,
// the application left visible, and the failure boxes.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "export/excel_posting.h"
#include "flex_grid_export_fixture.h"

namespace gridkit::sheet::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::StartsWith;

const Table kSmallGrid = {{"Name", "Qty", "Price"}, {"Widget", "3", "1.50"}};

struct HeadingCase {
  std::string name;
  std::string head1;
  std::string head2;
  int32_t headerRow;                 // the sheet row of the grid's fixed row
  std::vector<std::string> columnA;  // texts of A1 up to the header row
  std::vector<std::string> merges;   // merged heading ranges
  std::vector<double> headingSizes;  // font size of each merged range
};

void PrintTo(const HeadingCase& c, std::ostream* os) {
  *os << c.name;
}

class HeadingRowsTest : public FlexGridExportTest,
                        public ::testing::WithParamInterface<HeadingCase> {};

TEST_P(HeadingRowsTest, HeadingsStandAboveTheGrid) {
  const HeadingCase& c = GetParam();
  Grid(kSmallGrid);
  Export(c.head1, c.head2);

  EXPECT_THAT(BoxTexts(), IsEmpty());
  for (size_t i = 0; i < c.columnA.size(); ++i) {
    const std::string ref = "A" + std::to_string(i + 1);
    EXPECT_EQ(Text(ref), c.columnA[i]) << ref;
  }
  const std::string header = std::to_string(c.headerRow);
  const std::string data = std::to_string(c.headerRow + 1);
  EXPECT_EQ(Text("C" + header), "Price");
  EXPECT_TRUE(Style("A" + header).bold);
  EXPECT_EQ(Text("A" + data), "Widget");
  EXPECT_EQ(Sheet().LastRow(), c.headerRow + 1);

  ASSERT_THAT(Merges(), ElementsAreArray(c.merges));
  for (size_t i = 0; i < c.merges.size(); ++i) {
    const host::CellArea area = host::ParseReference(c.merges[i]);
    const host::CellStyle& style = *Sheet().Cell(area.firstRow, 1).style;
    EXPECT_TRUE(style.bold) << c.merges[i];
    EXPECT_EQ(style.fontSize, c.headingSizes[i]) << c.merges[i];
    EXPECT_EQ(style.horizontalAlignment, host::xl::kCenter) << c.merges[i];
    EXPECT_EQ(style.verticalAlignment, host::xl::kCenter) << c.merges[i];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeadingRowsTest,
    ::testing::Values(
        HeadingCase{"None", "", "", 1, {"Name"}, {}, {}},
        HeadingCase{"OnlyFirst", "Sales", "", 3, {"Sales", "", "Name"}, {"A1:C1"}, {13}},
        // The second heading alone stands in row 1, and row 1 is the one formatted.
        HeadingCase{"OnlySecond", "", "December", 3, {"December", "", "Name"}, {"A1:C1"}, {11}},
        HeadingCase{"Both",
                    "Sales",
                    "December",
                    4,
                    {"Sales", "December", "", "Name"},
                    {"A1:C1", "A2:C2"},
                    {13, 11}},
        HeadingCase{"BlankOnly", "   ", "\t \n", 1, {"Name"}, {}, {}},
        HeadingCase{
            "WrittenUntrimmed", " Sales ", "", 3, {" Sales ", "", "Name"}, {"A1:C1"}, {13}}),
    [](const ::testing::TestParamInfo<HeadingCase>& info) { return info.param.name; });

TEST_F(FlexGridExportTest, OnlySecondHeadingLeavesRowTwoPlain) {
  Grid(kSmallGrid);
  Export("", "December");
  EXPECT_FALSE(Style("A2").bold);
  EXPECT_EQ(Style("A2").fontSize, 8);
  EXPECT_THAT(LogWith("A2"), IsEmpty());
}

TEST_F(FlexGridExportTest, FinishingStepsRunInOrderAfterTheCells) {
  Grid(kSmallGrid);
  Export("Sales", "December");

  const std::vector<std::string>& log = App().Log();
  ASSERT_GE(log.size(), 3u);
  EXPECT_THAT(
      std::vector<std::string>(log.begin(), log.begin() + 3),
      ElementsAre("Workbooks.Add = Book1", "A1.FormulaR1C1 = Sales", "A2.FormulaR1C1 = December"));
  ASSERT_GE(log.size(), 14u);
  EXPECT_THAT(
      std::vector<std::string>(log.end() - 14, log.end()),
      ElementsAre("A:C.Font.Name = Arial", "A:C.Font.Size = 8", "A:C.Font.Color = 2147483656",
                  "A1:C1.Font.Bold = True", "A1:C1.Font.Size = 13", "A1:C1.Merge",
                  "A1:C1.HorizontalAlignment = -4108", "A1:C1.VerticalAlignment = -4108",
                  "A2:C2.Font.Bold = True", "A2:C2.Font.Size = 11", "A2:C2.Merge",
                  "A2:C2.HorizontalAlignment = -4108", "A2:C2.VerticalAlignment = -4108",
                  "Visible = True"));
}

TEST_F(FlexGridExportTest, UsedColumnsTakeTheGridFont) {
  Grid(kSmallGrid).setFont(host::StdFont{"Tahoma", 10});
  grid_.setForeColor(0x00112233);
  Export("Sales");

  for (const char* ref : {"A3", "C3", "A4", "C4"}) {
    EXPECT_EQ(Style(ref).fontName, "Tahoma") << ref;
    EXPECT_EQ(Style(ref).fontSize, 10) << ref;
    EXPECT_TRUE(Style(ref).hasFontColor) << ref;
    EXPECT_EQ(Style(ref).fontColor, 0x00112233u) << ref;
  }
  EXPECT_EQ(Style("A1").fontName, "Tahoma");
  EXPECT_EQ(Style("A1").fontSize, 13);  // the heading's own size comes later
  // Columns past the grid keep the workbook's font.
  EXPECT_EQ(Sheet().ColumnStyle(4).fontName, "Calibri");
  EXPECT_EQ(Sheet().ColumnStyle(3).fontName, "Tahoma");
}

TEST_F(FlexGridExportTest, LeavesTheApplicationVisibleAndLetsGo) {
  Grid(kSmallGrid);
  ExcelPosting posting(Spreadsheets().Factory(), messages_);
  posting.setArgFG(&grid_);
  posting.FlexGridToExcel();
  posting.FlexGridToExcel("Again");

  // Each call starts its own instance; only the host's factory keeps them.
  ASSERT_EQ(Spreadsheets().Started().size(), 2u);
  for (const auto& app : Spreadsheets().Started()) {
    EXPECT_TRUE(app->Visible());
    EXPECT_EQ(app.use_count(), 1);
    ASSERT_EQ(app->BookCount(), 1);
    EXPECT_EQ(app->Book(1).Name(), "Book1");
    EXPECT_EQ(app->Book(1).SheetCount(), 1);
  }
  EXPECT_THAT(BoxTexts(), IsEmpty());
}

TEST_F(FlexGridExportTest, NoVisibleColumnReportsEachFailingStepAndGoesOn) {
  Grid(kSmallGrid);
  for (int32_t c = 0; c < grid_.Cols(); ++c)
    grid_.setColWidth(c, 0);
  Export("Sales", "December");

  // The sheet font and the two headings each meet an empty last column.
  ASSERT_EQ(messages_.Shown().size(), 3u);
  for (const host::ShownMessage& box : messages_.Shown()) {
    EXPECT_THAT(box.text, StartsWith("Error : 1004 - "));
    EXPECT_GT(box.text.size(), std::string("Error : 1004 - ").size());
    EXPECT_EQ(box.title, "Excel Posting");
    EXPECT_EQ(box.icon, host::MsgIcon::Critical);
    EXPECT_EQ(box.buttons, host::MsgButtons::OKOnly);
  }
  EXPECT_EQ(Text("A1"), "Sales");
  EXPECT_EQ(Text("A2"), "December");
  EXPECT_THAT(Merges(), IsEmpty());
  EXPECT_TRUE(App().Visible());
}

TEST_F(FlexGridExportTest, NoVisibleColumnWithoutHeadingsShowsOneBox) {
  Grid(kSmallGrid);
  for (int32_t c = 0; c < grid_.Cols(); ++c)
    grid_.setColWidth(c, 15);
  Export();
  EXPECT_THAT(BoxTexts(), ElementsAre(StartsWith("Error : 1004 - ")));
  EXPECT_EQ(Sheet().LastRow(), 0);
  EXPECT_TRUE(App().Visible());
}

TEST_F(FlexGridExportTest, UnavailableSpreadsheetIsReportedWithoutCrashing) {
  Grid(kSmallGrid);
  Spreadsheets().setUnavailable(true);
  Export("Sales", "December");

  const std::vector<std::string> texts = BoxTexts();
  ASSERT_GT(texts.size(), 1u);
  EXPECT_EQ(texts[0], "Error : 429 - ActiveX component can't create object");
  for (size_t i = 1; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i], "Error : 91 - Object variable or With block variable not set") << i;
  }
  for (const host::ShownMessage& box : messages_.Shown()) {
    EXPECT_EQ(box.title, "Excel Posting");
    EXPECT_EQ(box.icon, host::MsgIcon::Critical);
  }
  EXPECT_TRUE(Spreadsheets().Started().empty());
}

TEST_F(FlexGridExportTest, MissingGridIsReportedAndTheWorkbookStillShown) {
  ExcelPosting posting(Spreadsheets().Factory(), messages_);
  posting.FlexGridToExcel("Sales");

  // The walk and the sheet font lack the grid; the heading then meets an
  // empty last column.
  EXPECT_THAT(BoxTexts(), ElementsAre("Error : 91 - Object variable or With block variable not set",
                                      "Error : 91 - Object variable or With block variable not set",
                                      StartsWith("Error : 1004 - ")));
  EXPECT_EQ(Text("A1"), "Sales");
  EXPECT_TRUE(App().Visible());
}

TEST_F(FlexGridExportTest, AFailingCellIsReportedAndItsNeighboursWritten) {
  Grid({{"A", "B", "C"}, {"before", std::string(40000, 'x'), "after"}, {"1", "2", "3"}});
  Export();

  EXPECT_THAT(BoxTexts(), ElementsAre(StartsWith("Error : 1004 - ")));
  EXPECT_EQ(Text("A2"), "before");
  EXPECT_EQ(Cell("B2").kind, host::CellKind::Empty);
  EXPECT_EQ(Text("C2"), "after");
  EXPECT_DOUBLE_EQ(Cell("C3").number, 3);
  EXPECT_TRUE(App().Visible());
}

}  // namespace
}  // namespace gridkit::sheet::testing
