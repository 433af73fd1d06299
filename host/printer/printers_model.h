#pragma once
// The installed printers of a test or a command line: printers added in
// order, owned here, and the current one.

#include <memory>
#include <vector>

#include "host/printer/printer.h"

namespace gridkit::host {

class PrintersModel : public Printers {
 public:
  // Takes the printer into the list, last; returns it.
  Printer& Add(std::unique_ptr<Printer> printer);

  int32_t Count() const override { return static_cast<int32_t>(printers_.size()); }
  Printer& Item(int32_t index) override;
  void SetCurrent(Printer& printer) override { current_ = &printer; }
  Printer& Current() override;

 private:
  std::vector<std::unique_ptr<Printer>> printers_;
  Printer* current_ = nullptr;
};

}  // namespace gridkit::host
