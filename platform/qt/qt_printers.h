#pragma once
// The machine's printers in the system's order, then the built-in PDF
// printer, whose output file the host sets with SetPdfOutput. Needs a
// GuiSession (or the host's own Qt GUI application).

#include <memory>
#include <string>
#include <vector>

#include "host/printer/printer.h"
#include "platform/qt/qt_printer.h"

namespace gridkit::platform {

class QtPrinters : public host::Printers {
 public:
  // Lists the printers now; raises a printer error without a GUI session.
  QtPrinters();

  int32_t Count() const override { return static_cast<int32_t>(printers_.size()); }
  host::Printer& Item(int32_t index) override;
  void SetCurrent(host::Printer& printer) override { current_ = &printer; }
  host::Printer& Current() override;

  QtPrinter& Pdf() { return *printers_.back(); }
  // Where the PDF printer writes its next document.
  void SetPdfOutput(std::string path) { Pdf().setOutputFile(std::move(path)); }

 private:
  std::vector<std::unique_ptr<QtPrinter>> printers_;
  host::Printer* current_ = nullptr;
};

}  // namespace gridkit::platform
