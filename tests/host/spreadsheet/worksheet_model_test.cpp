#include "host/spreadsheet/model/worksheet_model.h"
#include "tests/support/error_of.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/error.h"
#include "host/spreadsheet/model/spreadsheet_model_factory.h"

namespace gridkit::host {
namespace {

using gridkit::test_support::ErrorOf;

using ::testing::ElementsAre;

class WorksheetModelTest : public ::testing::Test {
 protected:
  WorksheetModelTest()
      : app_(factory_.Start()), sheet_(&app_->Workbooks().Add().Sheets().Item(1)) {}

  WorksheetModel& Model() { return static_cast<WorksheetModel&>(*sheet_); }
  CellView Cell(std::string_view reference) {
    const CellArea area = ParseReference(reference);
    return Model().Cell(area.firstRow, area.firstCol);
  }
  std::string Text(std::string_view reference) { return std::string(Cell(reference).text); }
  void Type(std::string_view reference, std::string_view text) {
    sheet_->Range(reference).setFormulaR1C1(text);
  }
  std::vector<std::string> MergeTexts() {
    std::vector<std::string> texts;
    for (const CellArea& area : Model().Merges())
      texts.push_back(ReferenceText(area));
    return texts;
  }

  SpreadsheetModelFactory factory_{SpreadsheetModelOptions{RegionalSettings::Default(), true}};
  std::shared_ptr<ApplicationModel> app_;
  Worksheet* sheet_;
};

TEST_F(WorksheetModelTest, CellsHoldTypedValues) {
  Type("A1", "12.50");
  Type("A2", "hello");
  Type("A3", "TRUE");
  Type("A4", "5/3/2004");
  Type("A5", "007");
  sheet_->Range("B1").setValue(Variant(2.25));
  sheet_->Range("B2").setValue(Variant(false));
  sheet_->Range("B3").setValue(Variant(Date{38051}));
  sheet_->Range("B4").setValue(Variant(int32_t{7}));

  EXPECT_EQ(Cell("A1").kind, CellKind::Number);
  EXPECT_DOUBLE_EQ(Cell("A1").number, 12.5);
  EXPECT_EQ(Cell("A2").kind, CellKind::Text);
  EXPECT_EQ(Text("A2"), "hello");
  EXPECT_EQ(Cell("A3").kind, CellKind::Boolean);
  EXPECT_EQ(Cell("A3").number, 1);
  EXPECT_EQ(Cell("A4").kind, CellKind::Date);
  EXPECT_DOUBLE_EQ(Cell("A4").number, 38051);
  EXPECT_EQ(Cell("A4").style->numberFormat, "dd/mm/yyyy");
  EXPECT_EQ(Cell("A5").kind, CellKind::Text);
  EXPECT_EQ(Text("A5"), "007");
  EXPECT_EQ(Cell("B1").kind, CellKind::Number);
  EXPECT_DOUBLE_EQ(Cell("B1").number, 2.25);
  EXPECT_EQ(Cell("B2").kind, CellKind::Boolean);
  EXPECT_EQ(Cell("B2").number, 0);
  EXPECT_EQ(Cell("B3").kind, CellKind::Date);
  EXPECT_EQ(Cell("B3").style->numberFormat, "dd/mm/yyyy");
  EXPECT_EQ(Cell("B4").kind, CellKind::Number);
  EXPECT_EQ(Cell("C9").kind, CellKind::Empty);
}

TEST_F(WorksheetModelTest, EmptyTextEmptiesACell) {
  Type("A1", "12");
  Type("A1", "");
  EXPECT_EQ(Cell("A1").kind, CellKind::Empty);
}

TEST_F(WorksheetModelTest, ARangeWriteFillsEveryCell) {
  Type("A1:B2", "x");
  for (const char* ref : {"A1", "B1", "A2", "B2"})
    EXPECT_EQ(Text(ref), "x") << ref;
  EXPECT_EQ(Cell("C1").kind, CellKind::Empty);
}

TEST_F(WorksheetModelTest, AnExplicitFormatWinsOverTheImpliedOne) {
  sheet_->Range("A1").setNumberFormat("0.000");
  Type("A1", "1,234.5");
  Type("A2", "1,234.5");
  EXPECT_EQ(Cell("A1").style->numberFormat, "0.000");
  EXPECT_EQ(Cell("A2").style->numberFormat, "#,##0.00");
}

TEST_F(WorksheetModelTest, WholeColumnFormatReachesCellsOldAndNew) {
  Type("B2", "1");           // already in the column
  Type("A7", "row exists");  // a row that exists, but not yet to column B
  sheet_->Range("B2").setNumberFormat("0%");
  sheet_->Range("B:B").setNumberFormat("0.000");
  sheet_->Range("B:D").Font().setBold(true);
  Type("B5", "2");  // a row that did not exist
  Type("B7", "3");

  EXPECT_EQ(Cell("B2").style->numberFormat, "0.000");
  EXPECT_TRUE(Cell("B2").style->bold);
  for (const char* ref : {"B5", "B7", "C5", "D9"}) {
    EXPECT_EQ(Cell(ref).style->numberFormat, ref[0] == 'B' ? "0.000" : "General") << ref;
    EXPECT_TRUE(Cell(ref).style->bold) << ref;
  }
  EXPECT_EQ(Model().ColumnStyle(2).numberFormat, "0.000");
  // Cells outside the columns keep their look.
  EXPECT_EQ(Cell("A7").style->numberFormat, "General");
  EXPECT_FALSE(Cell("A7").style->bold);
  EXPECT_FALSE(Cell("E5").style->bold);
}

TEST_F(WorksheetModelTest, ColumnAlignmentAppliesToLaterCells) {
  sheet_->Columns("C2").setHorizontalAlignment(xl::kRight);
  sheet_->Range("C:C").setVerticalAlignment(xl::kTop);
  Type("C40", "x");
  EXPECT_EQ(Cell("C40").style->horizontalAlignment, xl::kRight);
  EXPECT_EQ(Cell("C40").style->verticalAlignment, xl::kTop);
  EXPECT_EQ(Cell("B40").style->horizontalAlignment, xl::kGeneral);
  EXPECT_EQ(Cell("B40").style->verticalAlignment, xl::kBottom);
}

TEST_F(WorksheetModelTest, MergeKeepsOnlyTheTopLeftContent) {
  Type("A1", "keep");
  Type("B1", "lost");
  Type("A2", "lost too");
  sheet_->Range("A1:B2").Merge();

  EXPECT_THAT(MergeTexts(), ElementsAre("A1:B2"));
  EXPECT_EQ(Text("A1"), "keep");
  EXPECT_FALSE(Cell("A1").coveredByMerge);
  for (const char* ref : {"B1", "A2", "B2"}) {
    EXPECT_EQ(Cell(ref).kind, CellKind::Empty) << ref;
    EXPECT_TRUE(Cell(ref).coveredByMerge) << ref;
  }

  // Writes into covered cells are ignored; a write to the range fills its top-left.
  Type("B2", "ignored");
  EXPECT_EQ(Cell("B2").kind, CellKind::Empty);
  Type("A1:B2", "new");
  EXPECT_EQ(Text("A1"), "new");
  EXPECT_EQ(Cell("B1").kind, CellKind::Empty);
}

TEST_F(WorksheetModelTest, OverlappingMergesAreAbsorbed) {
  sheet_->Range("A1:B1").Merge();
  sheet_->Range("D4:E4").Merge();
  sheet_->Range("B1:C2").Merge();
  EXPECT_THAT(MergeTexts(), ElementsAre("D4:E4", "A1:C2"));
  EXPECT_FALSE(Cell("A1").coveredByMerge);
  EXPECT_TRUE(Cell("B1").coveredByMerge);
  EXPECT_TRUE(Cell("C2").coveredByMerge);
}

TEST_F(WorksheetModelTest, ASingleCellMergeIsNoMerge) {
  Type("A1", "x");
  sheet_->Range("A1").Merge();
  sheet_->Range("B3:B3").Merge();
  EXPECT_TRUE(Model().Merges().empty());
  EXPECT_EQ(Text("A1"), "x");
}

TEST_F(WorksheetModelTest, BadValuesRaiseApplicationDefinedError) {
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A1").setHorizontalAlignment(12345); }), 1004);
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A1").setVerticalAlignment(xl::kLeft); }), 1004);
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A1").setHorizontalAlignment(xl::kTop); }), 1004);
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A1").Font().setSize(0); }), 1004);
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A1").Font().setName(""); }), 1004);
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A:A").setFormulaR1C1("x"); }), 1004);
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A:B").Merge(); }), 1004);
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A0"); }), 1004);
  // A failed set leaves the cell as it was.
  EXPECT_EQ(Cell("A1").style->horizontalAlignment, xl::kGeneral);
  EXPECT_EQ(Cell("A1").style->fontSize, 11);
}

TEST_F(WorksheetModelTest, CellTextIsLimitedTo32767Characters) {
  const std::string longest(32767, 'x');
  Type("A1", longest);
  EXPECT_EQ(Text("A1"), longest);
  EXPECT_EQ(ErrorOf([&] { Type("A2", longest + "x"); }), 1004);
  EXPECT_EQ(ErrorOf([&] { sheet_->Range("A3").setValue(Variant(longest + "y")); }), 1004);
  EXPECT_EQ(Cell("A2").kind, CellKind::Empty);
  EXPECT_EQ(Cell("A3").kind, CellKind::Empty);

  // The limit counts characters, not bytes.
  std::string accented;
  for (int i = 0; i < 32767; ++i)
    accented += "\xC3\xA9";
  Type("B1", accented);
  EXPECT_EQ(Text("B1"), accented);
}

TEST_F(WorksheetModelTest, LogsOperationsInOrder) {
  Type("B7", "12.50");
  sheet_->Range("B7").setNumberFormat("#,##0.00");
  sheet_->Range("A1:C1").Merge();
  sheet_->Range("B:B").Font().setBold(true);
  sheet_->Range("A1").Font().setSize(13);
  sheet_->Range("A1").Font().setColor(255);
  sheet_->Range("A1").setHorizontalAlignment(xl::kCenter);
  app_->setVisible(true);

  EXPECT_THAT(
      app_->Log(),
      ElementsAre("Workbooks.Add = Book1", "B7.FormulaR1C1 = 12.50", "B7.NumberFormat = #,##0.00",
                  "A1:C1.Merge", "B:B.Font.Bold = True", "A1.Font.Size = 13", "A1.Font.Color = 255",
                  "A1.HorizontalAlignment = -4108", "Visible = True"));
}

TEST(WorksheetModelLogTest, NothingIsLoggedUnlessAskedFor) {
  SpreadsheetModelFactory factory;
  auto app = factory.Start();
  app->Workbooks().Add().Sheets().Item(1).Range("A1").setFormulaR1C1("x");
  EXPECT_TRUE(app->Log().empty());
}

}  // namespace
}  // namespace gridkit::host
