#pragma once
// An in-memory flexible grid: cell texts and looks, column widths and
// alignments, merge flags, fixed rows, current cell and top row.

#include <vector>

#include "host/grid/flex_grid.h"

namespace gridkit::host {

struct FlexCell {
  std::string text;
  bool bold = false;
  bool italic = false;
  uint32_t foreColor = 0;  // 0: none of its own
  uint32_t backColor = 0;
  int16_t alignment = 9;
};

class FlexGridModel : public FlexGrid {
 public:
  static constexpr int32_t kDefaultColWidth = 960;

  FlexGridModel(int32_t rows = 2, int32_t cols = 2, int32_t fixedRows = 1);

  int32_t Rows() const override { return rows_; }
  void setRows(int32_t rows) override;
  int32_t Cols() const override { return cols_; }
  void setCols(int32_t cols) override;
  int32_t FixedRows() const override { return fixedRows_; }
  void setFixedRows(int32_t fixedRows);

  int32_t Row() const override { return row_; }
  void setRow(int32_t row) override;
  int32_t Col() const override { return col_; }
  void setCol(int32_t col) override;

  std::string Text() const override { return CurrentCell().text; }
  bool CellFontBold() const override { return CurrentCell().bold; }
  bool CellFontItalic() const override { return CurrentCell().italic; }
  uint32_t CellForeColor() const override { return CurrentCell().foreColor; }
  uint32_t CellBackColor() const override { return CurrentCell().backColor; }
  void setCellAlignment(int16_t code) override;

  std::string TextMatrix(int32_t row, int32_t col) const override;
  void setTextMatrix(int32_t row, int32_t col, const std::string& text) override;

  int32_t ColWidth(int32_t col) const override;
  void setColWidth(int32_t col, int32_t twips) override;
  int16_t ColAlignment(int32_t col) const override;
  void setColAlignment(int32_t col, int16_t code) override;

  bool MergeRow(int32_t row) const override;
  void setMergeRow(int32_t row, bool merge);
  bool MergeCol(int32_t col) const override;
  void setMergeCol(int32_t col, bool merge);

  void setTopRow(int32_t row) override;
  int32_t TopRow() const { return topRow_; }
  void setScrollTrack(bool track) override { scrollTrack_ = track; }
  bool ScrollTrack() const { return scrollTrack_; }

  void Clear() override;

  const StdFont& Font() const override { return font_; }
  void setFont(const StdFont& font) { font_ = font; }
  uint32_t ForeColor() const override { return foreColor_; }
  void setForeColor(uint32_t color) { foreColor_ = color; }

  // Direct access to a cell's look, for hosts and tests that fill the grid.
  FlexCell& CellAt(int32_t row, int32_t col);
  const FlexCell& CellAt(int32_t row, int32_t col) const;

  // Every TopRow the grid was scrolled to, in order.
  const std::vector<int32_t>& TopRowHistory() const { return topRowHistory_; }
  void setKeepTopRowHistory(bool keep) { keepTopRowHistory_ = keep; }

 private:
  const FlexCell& CurrentCell() const { return CellAt(row_, col_); }
  void CheckRow(int32_t row) const;
  void CheckCol(int32_t col) const;
  void Resize(int32_t rows, int32_t cols);

  int32_t rows_ = 0;
  int32_t cols_ = 0;
  int32_t fixedRows_ = 0;
  int32_t row_ = 0;
  int32_t col_ = 0;
  int32_t topRow_ = 0;
  bool scrollTrack_ = false;
  bool keepTopRowHistory_ = false;
  std::vector<FlexCell> cells_;  // row-major
  std::vector<int32_t> colWidths_;
  std::vector<int16_t> colAlignments_;
  std::vector<bool> mergeRows_;
  std::vector<bool> mergeCols_;
  std::vector<int32_t> topRowHistory_;
  StdFont font_{"Arial", 8};
  uint32_t foreColor_ = 0x80000008;  // window text
};

}  // namespace gridkit::host
