// The grid's fixed rows as bold header rows: plain or merged, with the
// columns' alignment, hidden columns packed out.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "flex_grid_export_fixture.h"

namespace gridkit::sheet::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace xl = host::xl;

class FixedRowsTest : public FlexGridExportTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(FixedRowsTest, EachFixedRowIsABoldHeaderRow) {
  const int32_t fixedRows = GetParam();
  const Table texts = {{"H0a", "H0b"}, {"H1a", "H1b"}, {"x", "y"}, {"z", "w"}};
  Grid(texts, fixedRows);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_EQ(Sheet().LastRow(), 4);
  for (int32_t r = 1; r <= 4; ++r) {
    for (int32_t c = 1; c <= 2; ++c) {
      const host::CellView cell = Sheet().Cell(r, c);
      EXPECT_EQ(cell.text, texts[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)]);
      EXPECT_EQ(cell.style->bold, r <= fixedRows) << "row " << r << " col " << c;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, FixedRowsTest, ::testing::Values(0, 1, 2));

TEST_F(FlexGridExportTest, HeaderCellSetsItsColumnsAlignmentFirst) {
  Grid({{"Name"}, {"x"}}).setColAlignment(0, 4);
  Export();
  EXPECT_THAT(std::vector<std::string>(App().Log().begin() + 1, App().Log().begin() + 5),
              ElementsAre("A:A.HorizontalAlignment = -4108", "A:A.VerticalAlignment = -4108",
                          "A1.FormulaR1C1 = Name", "A1.Font.Bold = True"));
}

struct AlignmentCase {
  int16_t code;
  int32_t horizontal;
  int32_t vertical;
};

void PrintTo(const AlignmentCase& c, std::ostream* os) {
  *os << "code " << c.code;
}

class ColumnAlignmentTest : public FlexGridExportTest,
                            public ::testing::WithParamInterface<AlignmentCase> {};

TEST_P(ColumnAlignmentTest, TheWholeColumnTakesTheGridAlignment) {
  const AlignmentCase& c = GetParam();
  Grid({{"Head", "Other"}, {"x", "y"}, {"z", "w"}}).setColAlignment(0, c.code);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  for (const host::CellStyle* style : {&Sheet().ColumnStyle(1), &Style("A1"), &Style("A3")}) {
    EXPECT_EQ(style->horizontalAlignment, c.horizontal) << "code " << c.code;
    EXPECT_EQ(style->verticalAlignment, c.vertical) << "code " << c.code;
  }
  EXPECT_EQ(Style("B2").horizontalAlignment, xl::kGeneral);
  EXPECT_EQ(Style("B2").verticalAlignment, xl::kBottom);
}

INSTANTIATE_TEST_SUITE_P(Codes, ColumnAlignmentTest,
                         ::testing::Values(AlignmentCase{0, xl::kLeft, xl::kTop},
                                           AlignmentCase{1, xl::kLeft, xl::kCenter},
                                           AlignmentCase{2, xl::kLeft, xl::kBottom},
                                           AlignmentCase{3, xl::kCenter, xl::kTop},
                                           AlignmentCase{4, xl::kCenter, xl::kCenter},
                                           AlignmentCase{5, xl::kCenter, xl::kBottom},
                                           AlignmentCase{6, xl::kRight, xl::kTop},
                                           AlignmentCase{7, xl::kRight, xl::kCenter},
                                           AlignmentCase{8, xl::kRight, xl::kBottom}));

TEST_F(FlexGridExportTest, GeneralAndUnknownCodesLeaveTheColumnAlone) {
  Grid({{"General", "Unknown", "Negative"}, {"x", "y", "z"}});
  grid_.setColAlignment(0, 9);
  grid_.setColAlignment(1, 10);
  grid_.setColAlignment(2, -1);
  Export();
  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_THAT(LogWith("Alignment"), IsEmpty());
  for (int32_t c = 1; c <= 3; ++c) {
    EXPECT_EQ(Sheet().ColumnStyle(c).horizontalAlignment, xl::kGeneral) << c;
    EXPECT_EQ(Sheet().ColumnStyle(c).verticalAlignment, xl::kBottom) << c;
  }
}

struct HiddenCase {
  int32_t width;
  bool hidden;
};

void PrintTo(const HiddenCase& c, std::ostream* os) {
  *os << "width " << c.width;
}

class HiddenColumnTest : public FlexGridExportTest,
                         public ::testing::WithParamInterface<HiddenCase> {};

TEST_P(HiddenColumnTest, AHiddenColumnLeavesNoSheetColumn) {
  Grid({{"Name", "Secret", "Qty"}, {"x", "s", "5"}});
  grid_.setColWidth(1, GetParam().width);
  grid_.setColAlignment(1, 6);
  grid_.setColAlignment(2, 0);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_EQ(Text("A1"), "Name");
  EXPECT_EQ(Text("A2"), "x");
  if (GetParam().hidden) {
    EXPECT_EQ(Text("B1"), "Qty");
    EXPECT_DOUBLE_EQ(Cell("B2").number, 5);
    EXPECT_EQ(Sheet().LastColumn(), 2);
    EXPECT_EQ(Sheet().ColumnStyle(2).horizontalAlignment, xl::kLeft);
    EXPECT_EQ(Sheet().ColumnStyle(2).verticalAlignment, xl::kTop);
    EXPECT_THAT(LogWith("Font.Name"), ElementsAre("A:B.Font.Name = Arial"));
    EXPECT_THAT(LogWith("Secret"), IsEmpty());
    EXPECT_THAT(LogWith("= s"), IsEmpty());
  } else {
    EXPECT_EQ(Text("B1"), "Secret");
    EXPECT_EQ(Text("B2"), "s");
    EXPECT_EQ(Text("C1"), "Qty");
    EXPECT_THAT(LogWith("Font.Name"), ElementsAre("A:C.Font.Name = Arial"));
  }
}

INSTANTIATE_TEST_SUITE_P(Widths, HiddenColumnTest,
                         ::testing::Values(HiddenCase{0, true}, HiddenCase{15, true},
                                           HiddenCase{16, false}));

TEST_F(FlexGridExportTest, MergedHeaderRowMergesRunsOfEqualCaptions) {
  Grid({{"Total", "Total", "Total", "100"}, {"1", "2", "3", "4"}}).setMergeRow(0, true);
  grid_.setColAlignment(0, 0);
  grid_.setColAlignment(3, 7);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_THAT(Merges(), ElementsAre("A1:C1"));
  EXPECT_EQ(Text("A1"), "Total");
  EXPECT_TRUE(Style("A1").bold);
  EXPECT_EQ(Style("A1").horizontalAlignment, xl::kCenter);
  EXPECT_EQ(Style("A1").verticalAlignment, xl::kCenter);
  EXPECT_TRUE(Cell("C1").coveredByMerge);
  // The single caption keeps its column's own alignment.
  EXPECT_DOUBLE_EQ(Cell("D1").number, 100);
  EXPECT_TRUE(Style("D1").bold);
  EXPECT_EQ(Style("D1").horizontalAlignment, xl::kRight);
  EXPECT_EQ(Style("D1").verticalAlignment, xl::kCenter);
  EXPECT_EQ(Sheet().ColumnStyle(4).horizontalAlignment, xl::kRight);
  // A merged caption does not align its columns.
  EXPECT_EQ(Sheet().ColumnStyle(1).horizontalAlignment, xl::kGeneral);
  for (int32_t c = 1; c <= 4; ++c)
    EXPECT_DOUBLE_EQ(Sheet().Cell(2, c).number, c);

  EXPECT_THAT(std::vector<std::string>(App().Log().begin() + 1, App().Log().begin() + 11),
              ElementsAre("A1:C1.HorizontalAlignment = -4108", "A1:C1.VerticalAlignment = -4108",
                          "A1:C1.Merge", "A1:C1.FormulaR1C1 = Total", "A1.Font.Bold = True",
                          "D:D.HorizontalAlignment = -4152", "D:D.VerticalAlignment = -4108",
                          "D1.Merge", "D1.FormulaR1C1 = 100", "D1.Font.Bold = True"));
}

TEST_F(FlexGridExportTest, HiddenColumnInsideACaptionKeepsHeadersAboveTheirData) {
  Grid({{"Total", "Total", "Total", "Qty"}, {"1", "h", "2", "3"}}).setMergeRow(0, true);
  grid_.setColWidth(1, 0);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_THAT(Merges(), ElementsAre("A1:B1"));
  EXPECT_EQ(Text("A1"), "Total");
  EXPECT_EQ(Text("C1"), "Qty");
  EXPECT_DOUBLE_EQ(Cell("A2").number, 1);
  EXPECT_DOUBLE_EQ(Cell("B2").number, 2);
  EXPECT_DOUBLE_EQ(Cell("C2").number, 3);
  EXPECT_EQ(Sheet().LastColumn(), 3);
}

TEST_F(FlexGridExportTest, CaptionEndingInAHiddenColumnIsKept) {
  Grid({{"Name", "Total", "Total", "Qty"}, {"a", "1", "h", "2"}}).setMergeRow(0, true);
  grid_.setColWidth(2, 10);
  grid_.setColAlignment(1, 6);
  grid_.setColAlignment(2, 0);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_THAT(Merges(), IsEmpty());
  EXPECT_EQ(Text("A1"), "Name");
  EXPECT_EQ(Text("B1"), "Total");
  EXPECT_TRUE(Style("B1").bold);
  EXPECT_EQ(Text("C1"), "Qty");
  // The caption's one sheet column takes its visible column's alignment.
  EXPECT_EQ(Sheet().ColumnStyle(2).horizontalAlignment, xl::kRight);
  EXPECT_EQ(Sheet().ColumnStyle(2).verticalAlignment, xl::kTop);
  EXPECT_EQ(Text("A2"), "a");
  EXPECT_DOUBLE_EQ(Cell("B2").number, 1);
  EXPECT_DOUBLE_EQ(Cell("C2").number, 2);
}

TEST_F(FlexGridExportTest, CaptionOverHiddenColumnsOnlyIsLeftOut) {
  Grid({{"Name", "Gone", "Gone", "Qty"}, {"a", "x", "y", "2"}}).setMergeRow(0, true);
  grid_.setColWidth(1, 0);
  grid_.setColWidth(2, 0);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_EQ(Text("A1"), "Name");
  EXPECT_EQ(Text("B1"), "Qty");
  EXPECT_DOUBLE_EQ(Cell("B2").number, 2);
  EXPECT_THAT(LogWith("Gone"), IsEmpty());
}

TEST_F(FlexGridExportTest, MergedCaptionRowAbovePlainHeaderRow) {
  Grid({{"Period", "Period", "Total"}, {"Q1", "Q2", "Sum"}, {"1", "2", "3"}}, 2)
      .setMergeRow(0, true);
  Export();

  EXPECT_THAT(BoxTexts(), IsEmpty());
  EXPECT_THAT(Merges(), ElementsAre("A1:B1"));
  EXPECT_EQ(Text("A1"), "Period");
  EXPECT_EQ(Text("C1"), "Total");
  EXPECT_EQ(Text("A2"), "Q1");
  EXPECT_EQ(Text("B2"), "Q2");
  EXPECT_EQ(Text("C2"), "Sum");
  for (const char* ref : {"A1", "C1", "A2", "B2", "C2"})
    EXPECT_TRUE(Style(ref).bold) << ref;
  EXPECT_FALSE(Style("A3").bold);
  EXPECT_DOUBLE_EQ(Cell("C3").number, 3);
}

}  // namespace
}  // namespace gridkit::sheet::testing
