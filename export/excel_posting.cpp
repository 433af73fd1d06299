#include "export/excel_posting.h"

#include "export/flex_grid_walk.h"
#include "export/workbook_frame.h"
#include "host/error.h"

namespace gridkit::sheet {

namespace {

template <class Grid>
Grid& Borrowed(Grid* grid) {
  if (grid == nullptr) throw host::Error::Standard(host::err::kObjectNotSet);
  return *grid;
}

}  // namespace

ExcelPosting::ExcelPosting(host::SpreadsheetFactory spreadsheet, host::MessageBox& messages,
                           host::RegionalSettings regional)
    : spreadsheet_(std::move(spreadsheet)), messages_(messages), regional_(std::move(regional)) {}

void ExcelPosting::FlexGridToExcel(const std::string& argHead1, const std::string& argHead2) {
  WorkbookFrame frame(spreadsheet_, messages_, regional_, FrameStyle{});
  frame.Run(
      argHead1, argHead2, [this](WorkbookFrame& f) { WalkFlexGrid(Borrowed(argFG_), f); },
      [this] {
        const host::FlexGrid& grid = Borrowed(argFG_);
        return SheetFont{grid.Font().Name, grid.Font().Size, grid.ForeColor()};
      });
}

}  // namespace gridkit::sheet
