#include "host/grid/flex_grid_model.h"

#include "host/error.h"

namespace gridkit::host {

namespace {
constexpr int32_t kInvalidRowValue = 30009;
constexpr int32_t kInvalidColValue = 30010;
}  // namespace

FlexGridModel::FlexGridModel(int32_t rows, int32_t cols, int32_t fixedRows) {
  Resize(rows, cols);
  setFixedRows(fixedRows);
}

void FlexGridModel::Resize(int32_t rows, int32_t cols) {
  if (rows < 0 || cols < 0) throw Error::Standard(err::kInvalidPropertyValue);
  std::vector<FlexCell> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
  for (int32_t r = 0; r < std::min(rows, rows_); ++r) {
    for (int32_t c = 0; c < std::min(cols, cols_); ++c) {
      cells[static_cast<size_t>(r) * cols + c] =
          std::move(cells_[static_cast<size_t>(r) * cols_ + c]);
    }
  }
  cells_ = std::move(cells);
  rows_ = rows;
  cols_ = cols;
  colWidths_.resize(static_cast<size_t>(cols), kDefaultColWidth);
  colAlignments_.resize(static_cast<size_t>(cols), 9);
  mergeRows_.resize(static_cast<size_t>(rows), false);
  mergeCols_.resize(static_cast<size_t>(cols), false);
  if (row_ >= rows_) row_ = rows_ > 0 ? rows_ - 1 : 0;
  if (col_ >= cols_) col_ = cols_ > 0 ? cols_ - 1 : 0;
}

void FlexGridModel::setRows(int32_t rows) {
  if (rows < fixedRows_) throw Error::Standard(err::kInvalidPropertyValue);
  Resize(rows, cols_);
}

void FlexGridModel::setCols(int32_t cols) {
  Resize(rows_, cols);
}

void FlexGridModel::setFixedRows(int32_t fixedRows) {
  if (fixedRows < 0 || fixedRows > rows_) throw Error::Standard(err::kInvalidPropertyValue);
  fixedRows_ = fixedRows;
}

void FlexGridModel::CheckRow(int32_t row) const {
  if (row < 0 || row >= rows_) throw Error(kInvalidRowValue, "Invalid Row value");
}

void FlexGridModel::CheckCol(int32_t col) const {
  if (col < 0 || col >= cols_) throw Error(kInvalidColValue, "Invalid Col value");
}

void FlexGridModel::setRow(int32_t row) {
  CheckRow(row);
  row_ = row;
  if (events.RowColChange) events.RowColChange();
}

void FlexGridModel::setCol(int32_t col) {
  CheckCol(col);
  col_ = col;
}

void FlexGridModel::setCellAlignment(int16_t code) {
  CellAt(row_, col_).alignment = code;
}

FlexCell& FlexGridModel::CellAt(int32_t row, int32_t col) {
  CheckRow(row);
  CheckCol(col);
  return cells_[static_cast<size_t>(row) * cols_ + col];
}

const FlexCell& FlexGridModel::CellAt(int32_t row, int32_t col) const {
  CheckRow(row);
  CheckCol(col);
  return cells_[static_cast<size_t>(row) * cols_ + col];
}

std::string FlexGridModel::TextMatrix(int32_t row, int32_t col) const {
  return CellAt(row, col).text;
}

void FlexGridModel::setTextMatrix(int32_t row, int32_t col, const std::string& text) {
  CellAt(row, col).text = text;
}

int32_t FlexGridModel::ColWidth(int32_t col) const {
  CheckCol(col);
  return colWidths_[static_cast<size_t>(col)];
}

void FlexGridModel::setColWidth(int32_t col, int32_t twips) {
  CheckCol(col);
  colWidths_[static_cast<size_t>(col)] = twips;
}

int16_t FlexGridModel::ColAlignment(int32_t col) const {
  CheckCol(col);
  return colAlignments_[static_cast<size_t>(col)];
}

void FlexGridModel::setColAlignment(int32_t col, int16_t code) {
  CheckCol(col);
  colAlignments_[static_cast<size_t>(col)] = code;
}

bool FlexGridModel::MergeRow(int32_t row) const {
  CheckRow(row);
  return mergeRows_[static_cast<size_t>(row)];
}

void FlexGridModel::setMergeRow(int32_t row, bool merge) {
  CheckRow(row);
  mergeRows_[static_cast<size_t>(row)] = merge;
}

bool FlexGridModel::MergeCol(int32_t col) const {
  CheckCol(col);
  return mergeCols_[static_cast<size_t>(col)];
}

void FlexGridModel::setMergeCol(int32_t col, bool merge) {
  CheckCol(col);
  mergeCols_[static_cast<size_t>(col)] = merge;
}

void FlexGridModel::setTopRow(int32_t row) {
  CheckRow(row);
  topRow_ = row;
  if (keepTopRowHistory_) topRowHistory_.push_back(row);
}

void FlexGridModel::Clear() {
  for (auto& cell : cells_)
    cell.text.clear();
}

}  // namespace gridkit::host
