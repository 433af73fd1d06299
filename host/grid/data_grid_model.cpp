#include "host/grid/data_grid_model.h"

#include <algorithm>

#include "host/error.h"

namespace gridkit::host {

DataGridModel::DataGridModel(std::vector<DataGridColumnInfo> columns,
                             std::vector<std::vector<std::string>> records, int32_t visibleRows)
    : records_(std::move(records)), visibleRows_(visibleRows) {
  for (auto& info : columns)
    columns_.emplace_back(std::move(info));
}

DataGridColumn& DataGridModel::Item(int32_t index) {
  if (index < 0 || index >= Count()) throw Error::Standard(err::kSubscriptOutOfRange);
  return columns_[static_cast<size_t>(index)];
}

int32_t DataGridModel::VisibleRows() const {
  return std::min(visibleRows_, ApproxCount() - top_);
}

void DataGridModel::setCol(int16_t col) {
  if (col < 0 || col >= Count()) throw Error(6147, "Invalid column index");
  col_ = col;
}

void DataGridModel::setRow(int16_t row) {
  if (row < 0 || row >= VisibleRows()) throw Error(6148, "Invalid row number");
  row_ = row;
}

std::string DataGridModel::Text() const {
  // With no record in view there is no current cell to read.
  if (top_ + row_ >= ApproxCount()) throw Error(6148, "Invalid row number");
  const auto& record = records_[static_cast<size_t>(top_ + row_)];
  return static_cast<size_t>(col_) < record.size() ? record[static_cast<size_t>(col_)] : "";
}

void DataGridModel::Scroll(int32_t /*cols*/, int32_t rows) {
  // The view stops once the last records are in view.
  const int32_t lastTop = std::max(0, ApproxCount() - visibleRows_);
  top_ = std::clamp(top_ + rows, 0, lastTop);
  row_ = 0;
}

}  // namespace gridkit::host
