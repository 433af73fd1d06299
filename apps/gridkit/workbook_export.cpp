#include "apps/gridkit/workbook_export.h"

#include "export/excel_posting.h"
#include "host/spreadsheet/model/spreadsheet_model_factory.h"
#include "platform/xlsx/xlsx_save.h"

namespace gridkit::cli {

void ExportGridToWorkbook(host::FlexGrid& grid, const WorkbookExport& request,
                          StderrMessageBox& messages) {
  host::SpreadsheetModelOptions options;
  options.regional = request.regional;
  host::SpreadsheetModelFactory spreadsheet(options, platform::SaveOnShow(request.outPath));
  sheet::ExcelPosting posting(spreadsheet.Factory(), messages, request.regional);
  posting.setArgFG(&grid);
  posting.FlexGridToExcel(request.head1, request.head2);
}

}  // namespace gridkit::cli
