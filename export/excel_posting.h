#pragma once
// ExcelPosting copies one of the host's grids into a new workbook of a new
// spreadsheet instance and leaves it open in front of the user. It passes no
// error to its caller: each failing step is reported in a message box.

#include <string>

#include "host/grid/data_grid.h"
#include "host/grid/flex_grid.h"
#include "host/grid/list_view.h"
#include "host/message/message_box.h"
#include "host/regional/regional_settings.h"
#include "host/spreadsheet/spreadsheet_application.h"

namespace gridkit::sheet {

class ExcelPosting {
 public:
  ExcelPosting(host::SpreadsheetFactory spreadsheet, host::MessageBox& messages,
               host::RegionalSettings regional = host::RegionalSettings::Default());

  // The grids are borrowed; the host keeps them alive during a call.
  host::FlexGrid* argFG() const { return argFG_; }
  void setArgFG(host::FlexGrid* grid) { argFG_ = grid; }
  host::DataGrid* argDG() const { return argDG_; }
  void setArgDG(host::DataGrid* grid) { argDG_ = grid; }
  host::ListView* argLV() const { return argLV_; }
  void setArgLV(host::ListView* list) { argLV_ = list; }

  void FlexGridToExcel(const std::string& argHead1 = {}, const std::string& argHead2 = {});

 private:
  host::SpreadsheetFactory spreadsheet_;
  host::MessageBox& messages_;
  host::RegionalSettings regional_;
  host::FlexGrid* argFG_ = nullptr;
  host::DataGrid* argDG_ = nullptr;
  host::ListView* argLV_ = nullptr;
};

}  // namespace gridkit::sheet
