#pragma once
// The flexible grid as a report source: its fixed rows are the heading
// rows, its other rows the body; cells are selected with Row and Col and
// read with Text, and group and total rows are recognised from the
// examined cell's look.

#include <cstdint>

#include "host/grid/flex_grid.h"
#include "print/report_job.h"
#include "print/report_source.h"

namespace gridkit::print {

class FlexGridReport : public ReportSource {
 public:
  FlexGridReport(host::FlexGrid& grid, ReportJob& job) : grid_(grid), job_(job) {}

  // The columns wider than one "W" of the host form, with their alignment.
  void FlexColumns(const host::HostForm* form);
  // The body, every row from the first after the fixed ones.
  void PrintBody();

  int32_t HeadingRowCount() override { return grid_.FixedRows(); }
  void PrintHeadingCells(int32_t row) override;
  void SelectColumn(size_t printed) override;
  std::string SelectedText() override { return grid_.Text(); }
  void CheckAfterRow() override { CheckRow(); }
  bool AtLastRow() override { return grid_.Rows() == row_ + 1; }

 private:
  // The group check, then the total check, of the current row.
  void CheckRow();
  void CheckFlexRow(HeadDifferenceConstants diffBy, int32_t col, GroupConstants diffOn);
  void PrintCells(int32_t row);

  host::FlexGrid& grid_;
  ReportJob& job_;
  int32_t row_ = 0;
};

}  // namespace gridkit::print
