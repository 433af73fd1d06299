#pragma once
// One export of a flexible grid to a workbook file: ExcelPosting on the
// in-process spreadsheet, saved as .xlsx when it is made visible.

#include <string>

#include "apps/gridkit/stderr_message_box.h"
#include "host/grid/flex_grid.h"
#include "host/regional/regional_settings.h"

namespace gridkit::cli {

struct WorkbookExport {
  std::string head1;
  std::string head2;
  host::RegionalSettings regional;
  std::string outPath;
};

// Runs FlexGridToExcel; its message boxes go to messages.
void ExportGridToWorkbook(host::FlexGrid& grid, const WorkbookExport& request,
                          StderrMessageBox& messages);

}  // namespace gridkit::cli
