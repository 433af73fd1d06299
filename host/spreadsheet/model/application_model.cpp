#include "host/spreadsheet/model/application_model.h"

#include <fstream>

#include "host/error.h"
#include "host/spreadsheet/model/csv_reading.h"

namespace gridkit::host {

ApplicationModel::ApplicationModel(SpreadsheetModelOptions options, ShowHandler onShow)
    : options_(std::move(options)), onShow_(std::move(onShow)), log_(options_.logOperations) {}

void ApplicationModel::setVisible(bool visible) {
  log_.Add(visible ? "Visible = True" : "Visible = False");
  const bool shown = visible && !visible_;
  visible_ = visible;
  if (shown && onShow_) onShow_(*this);
}

WorkbookModel& ApplicationModel::Book(int32_t index) {
  if (index < 1 || index > BookCount()) throw Error::Standard(err::kSubscriptOutOfRange);
  return *books_[static_cast<size_t>(index) - 1];
}

const WorkbookModel& ApplicationModel::Book(int32_t index) const {
  if (index < 1 || index > BookCount()) throw Error::Standard(err::kSubscriptOutOfRange);
  return *books_[static_cast<size_t>(index) - 1];
}

WorkbookModel& ApplicationModel::AddBook() {
  const std::string name = "Book" + std::to_string(books_.size() + 1);
  log_.Add("Workbooks.Add = " + name);
  books_.push_back(
      std::make_unique<WorkbookModel>(name, SheetContext{&options_.regional, &styles_, &log_}));
  books_.back()->AddSheet("Sheet1");
  windows_.Activate(name);
  return *books_.back();
}

WorkbookModel& ApplicationModel::OpenBook(std::string_view path) {
  log_.Add("Workbooks.Open = " + std::string(path));
  std::ifstream file{std::string(path), std::ios::binary};
  if (!file) {
    throw Error(err::kApplicationDefined,
                "'" + std::string(path) +
                    "' could not be found. Check the spelling of the file name, and verify "
                    "that the file location is correct.");
  }
  // The workbook and its one sheet are named after the file.
  std::string name(path);
  if (const auto slash = name.find_last_of("/\\"); slash != std::string::npos) {
    name = name.substr(slash + 1);
  }
  std::string sheetName = name;
  if (const auto dot = sheetName.find_last_of('.'); dot != std::string::npos) {
    sheetName = sheetName.substr(0, dot);
  }
  books_.push_back(
      std::make_unique<WorkbookModel>(name, SheetContext{&options_.regional, &styles_, &log_}));
  WorksheetModel& sheet = books_.back()->AddSheet(sheetName);
  ReadCsvInto(file, sheet);
  windows_.Activate(name);
  return *books_.back();
}

Workbook& ApplicationModel::WorkbooksModel::Item(std::string_view name) {
  for (int32_t i = 1; i <= app_.BookCount(); ++i) {
    if (app_.Book(i).Name() == name) return app_.Book(i);
  }
  throw Error::Standard(err::kSubscriptOutOfRange);
}

Window& ApplicationModel::WindowsModel::Item(int32_t index) {
  if (index < 1 || index > Count()) throw Error::Standard(err::kSubscriptOutOfRange);
  return *windows_[static_cast<size_t>(index) - 1];
}

void ApplicationModel::WindowsModel::Activate(std::string caption) {
  windows_.insert(windows_.begin(), std::make_unique<WindowModel>(std::move(caption)));
}

}  // namespace gridkit::host
