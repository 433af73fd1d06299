#pragma once
// Saving the spreadsheet model as a real .xlsx workbook (libxlsxwriter).

#include <string>

#include "host/spreadsheet/model/application_model.h"
#include "host/spreadsheet/model/workbook_model.h"

namespace gridkit::platform {

// Writes the workbook to path and returns the number of cell formats the
// file holds (one per distinct style used). The file appears under its name
// only when complete; a failure raises host::Error and leaves no file there.
size_t SaveWorkbookAsXlsx(const host::WorkbookModel& book, const std::string& path);

// A show handler that saves the application's newest workbook to path when
// the application is made visible.
host::ShowHandler SaveOnShow(std::string path);

}  // namespace gridkit::platform
