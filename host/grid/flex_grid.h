#pragma once
// The host's flexible grid, as the components read and drive it. Rows and
// columns are 0-based, fixed rows first; widths are in twips.

#include <cstdint>
#include <functional>
#include <string>

#include "host/std_font.h"

namespace gridkit::host {

class FlexGrid {
 public:
  struct Events {
    std::function<void()> Click;
    std::function<void(int16_t& KeyAscii)> KeyPress;
    std::function<void()> RowColChange;
  };

  virtual ~FlexGrid() = default;

  virtual int32_t Rows() const = 0;
  // Setting Rows to r + 1 adds row r.
  virtual void setRows(int32_t rows) = 0;
  virtual int32_t Cols() const = 0;
  virtual void setCols(int32_t cols) = 0;
  virtual int32_t FixedRows() const = 0;

  // The current cell; setting Row raises RowColChange.
  virtual int32_t Row() const = 0;
  virtual void setRow(int32_t row) = 0;
  virtual int32_t Col() const = 0;
  virtual void setCol(int32_t col) = 0;

  // The current cell's text and look. Colours are the cell's own, 0 when it
  // has none.
  virtual std::string Text() const = 0;
  virtual bool CellFontBold() const = 0;
  virtual bool CellFontItalic() const = 0;
  virtual uint32_t CellForeColor() const = 0;
  virtual uint32_t CellBackColor() const = 0;
  // Alignment of the current cell.
  virtual void setCellAlignment(int16_t code) = 0;

  virtual std::string TextMatrix(int32_t row, int32_t col) const = 0;
  virtual void setTextMatrix(int32_t row, int32_t col, const std::string& text) = 0;

  virtual int32_t ColWidth(int32_t col) const = 0;
  virtual void setColWidth(int32_t col, int32_t twips) = 0;
  // 0..8: left, centre, right (by threes) with top, centre, bottom; 9 general.
  virtual int16_t ColAlignment(int32_t col) const = 0;
  virtual void setColAlignment(int32_t col, int16_t code) = 0;

  virtual bool MergeRow(int32_t row) const = 0;
  virtual bool MergeCol(int32_t col) const = 0;

  virtual void setTopRow(int32_t row) = 0;
  virtual void setScrollTrack(bool track) = 0;

  // Empties every cell's text; the counts stay.
  virtual void Clear() = 0;

  virtual const StdFont& Font() const = 0;
  virtual uint32_t ForeColor() const = 0;

  Events events;
};

}  // namespace gridkit::host
