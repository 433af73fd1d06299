#include "host/spreadsheet/model/workbook_model.h"

#include "host/error.h"

namespace gridkit::host {

WorkbookModel::WorkbookModel(std::string name, SheetContext context)
    : name_(std::move(name)), context_(context) {}

WorksheetModel& WorkbookModel::AddSheet(std::string name) {
  const auto index = static_cast<int32_t>(sheets_.size()) + 1;
  sheets_.push_back(std::make_unique<WorksheetModel>(std::move(name), context_,
                                                     [this, index] { selected_ = index; }));
  return *sheets_.back();
}

WorksheetModel& WorkbookModel::Sheet(int32_t index) {
  if (index < 1 || index > SheetCount()) throw Error::Standard(err::kSubscriptOutOfRange);
  return *sheets_[static_cast<size_t>(index) - 1];
}

const WorksheetModel& WorkbookModel::Sheet(int32_t index) const {
  if (index < 1 || index > SheetCount()) throw Error::Standard(err::kSubscriptOutOfRange);
  return *sheets_[static_cast<size_t>(index) - 1];
}

Worksheet& WorkbookModel::Item(int32_t index) {
  return Sheet(index);
}

Worksheet& WorkbookModel::Item(std::string_view name) {
  for (auto& sheet : sheets_) {
    if (sheet->Name() == name) return *sheet;
  }
  throw Error::Standard(err::kSubscriptOutOfRange);
}

}  // namespace gridkit::host
