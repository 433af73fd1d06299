#include "print/print_job_frame.h"

#include <new>
#include <stdexcept>

#include "host/error.h"
#include "print/report_options.h"

namespace gridkit::print {

namespace {

// The first printer whose device name is exactly the one asked for.
host::Printer* ChoosePrinter(host::Printers& printers, const std::string& name) {
  for (int32_t i = 0; i < printers.Count(); ++i) {
    host::Printer& printer = printers.Item(i);
    if (printer.DeviceName() == name) {
      printers.SetCurrent(printer);
      return &printers.Current();
    }
  }
  return nullptr;
}

// The job is already failing: a printer that also fails to abandon it must
// not replace the reason.
void Abandon(host::Printer* printer) {
  if (!printer) return;
  try {
    printer->KillDoc();
    printer->EndDoc();
  } catch (const std::exception&) {
  }
}

}  // namespace

std::string RunPrintJob(host::Printers& printers, const std::string& printerName,
                        const PrintSteps& steps) {
  host::Printer* printer = nullptr;
  bool started = false;
  try {
    printer = ChoosePrinter(printers, printerName);
    if (!printer) return std::string(result::kInvalidPrinterName);
    return steps(*printer, started);
  } catch (const host::Error& error) {
    if (started) Abandon(printer);
    return error.Description();
  } catch (const std::bad_alloc&) {
    if (started) Abandon(printer);
    return host::StandardErrorText(host::err::kOutOfMemory);
  } catch (const std::exception& error) {
    if (started) Abandon(printer);
    return error.what();
  }
}

}  // namespace gridkit::print
