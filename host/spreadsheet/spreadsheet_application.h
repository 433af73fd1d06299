#pragma once
// The spreadsheet application as the exports drive it: workbooks, their
// sheets, the windows and visibility. Collections are 1-based; an index or
// name that is not there raises "Subscript out of range".

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/spreadsheet/worksheet.h"

namespace gridkit::host {

class Sheets {
 public:
  virtual ~Sheets() = default;
  virtual int32_t Count() const = 0;
  virtual Worksheet& Item(int32_t index) = 0;
  virtual Worksheet& Item(std::string_view name) = 0;
};

class Workbook {
 public:
  virtual ~Workbook() = default;
  virtual std::string Name() const = 0;
  virtual host::Sheets& Sheets() = 0;
};

class Workbooks {
 public:
  virtual ~Workbooks() = default;
  virtual int32_t Count() const = 0;
  // A new workbook from the default template.
  virtual Workbook& Add() = 0;
  // Opens a file (a comma-separated file among others) as a workbook.
  virtual Workbook& Open(std::string_view path) = 0;
  virtual Workbook& Item(int32_t index) = 0;
  virtual Workbook& Item(std::string_view name) = 0;
};

class Window {
 public:
  virtual ~Window() = default;
  virtual std::string Caption() const = 0;
};

class Windows {
 public:
  virtual ~Windows() = default;
  virtual int32_t Count() const = 0;
  virtual Window& Item(int32_t index) = 0;
};

class SpreadsheetApplication {
 public:
  virtual ~SpreadsheetApplication() = default;
  virtual host::Workbooks& Workbooks() = 0;
  virtual host::Windows& Windows() = 0;
  virtual bool Visible() const = 0;
  // Showing the application hands its workbooks to the user.
  virtual void setVisible(bool visible) = 0;
};

// Starts a new, separate and invisible instance of the application; raises
// when none can be started. The host may keep the instance after the
// component has dropped its reference.
using SpreadsheetFactory = std::function<std::shared_ptr<SpreadsheetApplication>()>;

}  // namespace gridkit::host
