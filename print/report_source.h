#pragma once
// What a report job needs of the source it prints, beyond the column layout:
// its heading rows, the cells of the current row, and the recognition after
// a body row. Each driver (flexible grid, list view, data grid) gives one.

#include <cstddef>
#include <cstdint>
#include <string>

namespace gridkit::print {

class ReportSource {
 public:
  virtual ~ReportSource() = default;

  // The heading rows printed in every heading band.
  virtual int32_t HeadingRowCount() = 0;
  // Prints heading row i's cells at the current line.
  virtual void PrintHeadingCells(int32_t row) = 0;

  // Selects printed column k of the current row, and reads the selected
  // cell's text.
  virtual void SelectColumn(size_t printed) = 0;
  virtual std::string SelectedText() = 0;

  // The group and total checks after a body row's cells.
  virtual void CheckAfterRow() = 0;
  // Whether the body row just printed is the source's last.
  virtual bool AtLastRow() = 0;
};

}  // namespace gridkit::print
