#pragma once
// A workbook of the spreadsheet model: named sheets, one of them selected.

#include <memory>
#include <string>
#include <vector>

#include "host/spreadsheet/model/worksheet_model.h"
#include "host/spreadsheet/spreadsheet_application.h"

namespace gridkit::host {

class WorkbookModel : public Workbook, private Sheets {
 public:
  WorkbookModel(std::string name, SheetContext context);

  std::string Name() const override { return name_; }
  host::Sheets& Sheets() override { return *this; }

  WorksheetModel& AddSheet(std::string name);
  WorksheetModel& Sheet(int32_t index);  // 1-based
  const WorksheetModel& Sheet(int32_t index) const;
  int32_t SheetCount() const { return static_cast<int32_t>(sheets_.size()); }
  int32_t SelectedSheet() const { return selected_; }

 private:
  int32_t Count() const override { return SheetCount(); }
  Worksheet& Item(int32_t index) override;
  Worksheet& Item(std::string_view name) override;

  std::string name_;
  SheetContext context_;
  std::vector<std::unique_ptr<WorksheetModel>> sheets_;
  int32_t selected_ = 1;
};

}  // namespace gridkit::host
