#include "platform/qt/qt_printers.h"

#include <QPrinterInfo>

#include "host/error.h"
#include "platform/qt/gui_session.h"

namespace gridkit::platform {

QtPrinters::QtPrinters() {
  RequireGuiSession();
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
    printers_.push_back(QtPrinter::System(info.printerName().toStdString()));
  }
  printers_.push_back(QtPrinter::Pdf());
}

host::Printer& QtPrinters::Item(int32_t index) {
  if (index < 0 || index >= Count()) throw host::Error::Standard(host::err::kSubscriptOutOfRange);
  return *printers_[static_cast<size_t>(index)];
}

host::Printer& QtPrinters::Current() {
  if (!current_) throw host::Error::Standard(host::err::kObjectNotSet);
  return *current_;
}

}  // namespace gridkit::platform
