#include "export/flex_grid_walk.h"

#include <string>

#include "export/alignment_codes.h"
#include "export/typed_cell_write.h"

namespace gridkit::sheet {

namespace {

bool IsVisible(const host::FlexGrid& grid, int32_t col) {
  return grid.ColWidth(col) > kHiddenColumnTwips;
}

void AlignWholeColumn(WorkbookFrame& frame, int32_t code, int16_t colAlignment) {
  const auto alignment = FlexAlignment(colAlignment);
  if (!alignment) return;  // general: the column keeps its alignment
  host::Range column = frame.WholeColumn(code);
  column.setHorizontalAlignment(alignment->horizontal);
  column.setVerticalAlignment(alignment->vertical);
}

void WritePlainHeaderRow(host::FlexGrid& grid, WorkbookFrame& frame, int32_t f) {
  for (int32_t c = 0; c < grid.Cols(); ++c) {
    if (!IsVisible(grid, c)) continue;
    frame.Step([&] {
      AlignWholeColumn(frame, frame.columnCode, grid.ColAlignment(c));
      host::Range cell = frame.CellAt(frame.columnCode, frame.sheetRow);
      cell.setFormulaR1C1(grid.TextMatrix(f, c));
      cell.Font().setBold(true);
    });
    ++frame.columnCode;
  }
}

// Runs of equal captions become one merged cell over the sheet columns of
// their visible grid columns.
void WriteMergedHeaderRow(host::FlexGrid& grid, WorkbookFrame& frame) {
  for (int32_t c = 0; c < grid.Cols(); ++c) {
    frame.Step([&] {
      grid.setCol(c);
      const std::string caption = grid.Text();
      int32_t last = c;
      int32_t visible = IsVisible(grid, c) ? 1 : 0;
      int32_t onlyVisible = c;
      while (last + 1 < grid.Cols()) {
        grid.setCol(last + 1);
        if (grid.Text() != caption) break;
        ++last;
        if (IsVisible(grid, last)) {
          ++visible;
          onlyVisible = last;
        }
      }
      grid.setCol(last);
      c = last;
      if (visible == 0) return;  // a run of hidden columns has no sheet cell

      const int32_t firstCode = frame.columnCode;
      frame.columnCode += visible;
      if (visible > 1) {
        host::Range run = frame.CellsOnRow(firstCode, firstCode + visible - 1, frame.sheetRow);
        run.setHorizontalAlignment(host::xl::kCenter);
        run.setVerticalAlignment(host::xl::kCenter);
        run.Merge();
        run.setFormulaR1C1(caption);
      } else {
        AlignWholeColumn(frame, firstCode, grid.ColAlignment(onlyVisible));
        host::Range cell = frame.CellAt(firstCode, frame.sheetRow);
        cell.Merge();
        cell.setFormulaR1C1(caption);
      }
      frame.CellAt(firstCode, frame.sheetRow).Font().setBold(true);
    });
  }
}

void WriteHeaderRows(host::FlexGrid& grid, WorkbookFrame& frame) {
  for (int32_t f = 0; f < grid.FixedRows(); ++f) {
    frame.columnCode = kFirstColumnCode;
    frame.Step([&] {
      grid.setRow(f);
      if (grid.MergeRow(f)) {
        WriteMergedHeaderRow(grid, frame);
      } else {
        WritePlainHeaderRow(grid, frame, f);
      }
    });
    ++frame.sheetRow;
  }
}

// A merged data row: runs of equal texts, each merged over the sheet columns
// its visible columns occupy and written plainly.
class MergedRun {
 public:
  void Start(std::string text) {
    text_ = std::move(text);
    firstCode_ = 0;
  }
  const std::string& Text() const { return text_; }
  void AddSheetColumn(int32_t code) {
    if (firstCode_ == 0) firstCode_ = code;
    lastCode_ = code;
  }
  void Close(WorkbookFrame& frame) {
    if (firstCode_ == 0) return;
    frame.Step([&] {
      host::Range run = frame.CellsOnRow(firstCode_, lastCode_, frame.sheetRow);
      run.Merge();
      run.setFormulaR1C1(text_);
    });
    firstCode_ = 0;
  }

 private:
  std::string text_;
  int32_t firstCode_ = 0;
  int32_t lastCode_ = 0;
};

void WriteDataRow(host::FlexGrid& grid, WorkbookFrame& frame, int32_t d) {
  const bool merged = grid.MergeRow(d);
  MergedRun run;
  for (int32_t c = 0; c < grid.Cols(); ++c) {
    if (merged) {
      std::string text = grid.TextMatrix(d, c);
      if (c == 0 || text != run.Text()) {
        run.Close(frame);
        run.Start(std::move(text));
      }
    }
    if (!IsVisible(grid, c)) continue;
    frame.Step([&] {
      grid.setRow(d);
      grid.setCol(c);
      host::Range cell = frame.CellAt(frame.columnCode, frame.sheetRow);
      cell.Font().setBold(grid.CellFontBold());
      cell.Font().setItalic(grid.CellFontItalic());
      if (!merged) {
        WriteTypedCell(cell, grid.TextMatrix(d, c), frame.Regional());
        cell.Font().setColor(grid.CellForeColor());
      }
    });
    if (merged) run.AddSheetColumn(frame.columnCode);
    ++frame.columnCode;
  }
  if (merged) run.Close(frame);
}

// Equal neighbouring texts down a MergeCol column become one merged range.
// Grid row g stands on sheet row firstDataRow + g - FixedRows, whatever the
// number of fixed rows.
void MergeColumns(host::FlexGrid& grid, WorkbookFrame& frame, int32_t firstDataRow) {
  const int32_t fixedRows = grid.FixedRows();
  const int32_t rows = grid.Rows();
  auto sheetRowOf = [&](int32_t g) { return firstDataRow + g - fixedRows; };
  int32_t code = kFirstColumnCode - 1;
  for (int32_t c = 0; c < grid.Cols(); ++c) {
    if (!IsVisible(grid, c)) continue;
    ++code;
    if (!grid.MergeCol(c) || fixedRows >= rows) continue;

    auto mergeRun = [&](int32_t startRow, int32_t endRow, const std::string& text) {
      frame.Step([&] {
        host::Range range = frame.CellsInColumn(code, startRow, endRow);
        range.setFormulaR1C1("");
        range.Merge();
        range.setFormulaR1C1(text);
      });
    };
    std::string s = grid.TextMatrix(fixedRows, c);
    bool open = false;
    int32_t start = 0;
    for (int32_t d = fixedRows + 1; d < rows; ++d) {
      std::string t = grid.TextMatrix(d, c);
      if (t == s) {
        if (!open && !s.empty()) {
          open = true;
          start = sheetRowOf(d - 1);
        }
        continue;
      }
      if (open) mergeRun(start, sheetRowOf(d - 1), s);
      open = false;
      s = std::move(t);
    }
    if (open) mergeRun(start, sheetRowOf(rows - 1), s);
  }
}

}  // namespace

void WalkFlexGrid(host::FlexGrid& grid, WorkbookFrame& frame) {
  WriteHeaderRows(grid, frame);

  const int32_t firstDataRow = frame.sheetRow;
  const int32_t firstData = grid.FixedRows();
  const int32_t rows = grid.Rows();
  for (int32_t d = firstData; d < rows; ++d) {
    frame.Step([&] { grid.setTopRow(d); });
    frame.columnCode = kFirstColumnCode;
    WriteDataRow(grid, frame, d);
    ++frame.sheetRow;
  }

  // The frame takes the last column letters from the column code as the
  // data rows left it; the column merges count on their own.
  frame.Step([&] { MergeColumns(grid, frame, firstDataRow); });
}

}  // namespace gridkit::sheet
