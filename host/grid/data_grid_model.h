#pragma once
// An in-memory data-bound grid over a table of records.

#include <string>
#include <vector>

#include "host/grid/data_grid.h"

namespace gridkit::host {

struct DataGridColumnInfo {
  std::string caption;
  int32_t width = 1500;
  int16_t alignment = 3;
};

class DataGridModel : public DataGrid, private DataGridColumns {
 public:
  DataGridModel(std::vector<DataGridColumnInfo> columns,
                std::vector<std::vector<std::string>> records, int32_t visibleRows);

  bool ColumnHeaders() const override { return columnHeaders_; }
  void setColumnHeaders(bool shown) { columnHeaders_ = shown; }
  DataGridColumns& Columns() override { return *this; }
  void setCol(int16_t col) override;
  void setRow(int16_t row) override;
  std::string Text() const override;
  int32_t ApproxCount() const override { return static_cast<int32_t>(records_.size()); }
  int32_t VisibleRows() const override;
  void Scroll(int32_t cols, int32_t rows) override;
  const StdFont& Font() const override { return font_; }
  void setFont(const StdFont& font) { font_ = font; }
  uint32_t ForeColor() const override { return foreColor_; }
  void setForeColor(uint32_t color) { foreColor_ = color; }

  // The record at the top of the view (0-based).
  int32_t FirstInView() const { return top_; }

 private:
  class Column : public DataGridColumn {
   public:
    explicit Column(DataGridColumnInfo info) : info_(std::move(info)) {}
    std::string Caption() const override { return info_.caption; }
    int32_t Width() const override { return info_.width; }
    int16_t Alignment() const override { return info_.alignment; }

   private:
    DataGridColumnInfo info_;
  };

  int32_t Count() const override { return static_cast<int32_t>(columns_.size()); }
  DataGridColumn& Item(int32_t index) override;

  std::vector<Column> columns_;
  std::vector<std::vector<std::string>> records_;
  int32_t visibleRows_;
  bool columnHeaders_ = true;
  int32_t top_ = 0;
  int16_t row_ = 0;
  int16_t col_ = 0;
  StdFont font_{"Arial", 8};
  uint32_t foreColor_ = 0x80000008;
};

}  // namespace gridkit::host
