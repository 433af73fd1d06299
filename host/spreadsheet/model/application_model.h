#pragma once
// The in-process spreadsheet application: workbooks Book1, Book2 ... each
// with one sheet "Sheet1", a window per workbook (the newest first), and a
// handler that the host chooses for the moment the application is shown.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/regional/regional_settings.h"
#include "host/spreadsheet/model/cell_style.h"
#include "host/spreadsheet/model/operation_log.h"
#include "host/spreadsheet/model/workbook_model.h"
#include "host/spreadsheet/spreadsheet_application.h"

namespace gridkit::host {

class ApplicationModel;

// Called when the application becomes visible: it hands the workbooks to the
// user (saves them, opens a viewer). An error it raises reaches the caller of
// setVisible.
using ShowHandler = std::function<void(ApplicationModel&)>;

struct SpreadsheetModelOptions {
  RegionalSettings regional = RegionalSettings::Default();
  bool logOperations = false;
};

class ApplicationModel : public SpreadsheetApplication {
 public:
  ApplicationModel(SpreadsheetModelOptions options, ShowHandler onShow);

  host::Workbooks& Workbooks() override { return workbooks_; }
  host::Windows& Windows() override { return windows_; }
  bool Visible() const override { return visible_; }
  void setVisible(bool visible) override;

  int32_t BookCount() const { return static_cast<int32_t>(books_.size()); }
  WorkbookModel& Book(int32_t index);  // 1-based, in the order added
  const WorkbookModel& Book(int32_t index) const;
  const std::vector<std::string>& Log() const { return log_.Lines(); }
  const RegionalSettings& Regional() const { return options_.regional; }

 private:
  class WorkbooksModel : public host::Workbooks {
   public:
    explicit WorkbooksModel(ApplicationModel& app) : app_(app) {}
    int32_t Count() const override { return app_.BookCount(); }
    Workbook& Add() override { return app_.AddBook(); }
    Workbook& Open(std::string_view path) override { return app_.OpenBook(path); }
    Workbook& Item(int32_t index) override { return app_.Book(index); }
    Workbook& Item(std::string_view name) override;

   private:
    ApplicationModel& app_;
  };

  class WindowModel : public Window {
   public:
    explicit WindowModel(std::string caption) : caption_(std::move(caption)) {}
    std::string Caption() const override { return caption_; }

   private:
    std::string caption_;
  };

  class WindowsModel : public host::Windows {
   public:
    int32_t Count() const override { return static_cast<int32_t>(windows_.size()); }
    Window& Item(int32_t index) override;
    void Activate(std::string caption);

   private:
    std::vector<std::unique_ptr<WindowModel>> windows_;  // front is the active window
  };

  WorkbookModel& AddBook();
  WorkbookModel& OpenBook(std::string_view path);

  SpreadsheetModelOptions options_;
  ShowHandler onShow_;
  StyleTable styles_;
  OperationLog log_;
  WorkbooksModel workbooks_{*this};
  WindowsModel windows_;
  std::vector<std::unique_ptr<WorkbookModel>> books_;
  bool visible_ = false;
};

}  // namespace gridkit::host
