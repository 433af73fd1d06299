#pragma once
// The host's data-bound grid: it shows a window of VisibleRows records out of
// ApproxCount, addressed by their position in the view.

#include <cstdint>
#include <string>

#include "host/std_font.h"

namespace gridkit::host {

class DataGridColumn {
 public:
  virtual ~DataGridColumn() = default;
  virtual std::string Caption() const = 0;
  virtual int32_t Width() const = 0;      // twips
  virtual int16_t Alignment() const = 0;  // 0 left, 1 right, 2 centre, 3 general
};

class DataGridColumns {
 public:
  virtual ~DataGridColumns() = default;
  virtual int32_t Count() const = 0;
  virtual DataGridColumn& Item(int32_t index) = 0;  // 0-based
};

class DataGrid {
 public:
  virtual ~DataGrid() = default;
  virtual bool ColumnHeaders() const = 0;
  virtual DataGridColumns& Columns() = 0;
  virtual void setCol(int16_t col) = 0;
  // Row counts from the first row in view.
  virtual void setRow(int16_t row) = 0;
  virtual std::string Text() const = 0;
  virtual int32_t ApproxCount() const = 0;
  virtual int32_t VisibleRows() const = 0;
  // Moves the view; it stops once the last records are in view.
  virtual void Scroll(int32_t cols, int32_t rows) = 0;
  virtual const StdFont& Font() const = 0;
  virtual uint32_t ForeColor() const = 0;
};

}  // namespace gridkit::host
