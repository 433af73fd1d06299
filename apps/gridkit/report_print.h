#pragma once
// One print job of a flexible grid: Caldrino's report on one of the
// machine's printers or on the built-in PDF printer.

#include <string>

#include "host/grid/flex_grid.h"
#include "host/message/message_box.h"
#include "host/regional/regional_settings.h"
#include "print/report_options.h"

namespace gridkit::cli {

// The width of "W" on the host form that the grid's column widths are read
// against: MS Sans Serif 8 at 96 dots per inch, 11 pixels.
inline constexpr double kDefaultHostWWidth = 165;

// The name of the built-in PDF printer, listed after the machine's own.
inline constexpr const char* kPdfPrinterName = "PDF";

struct ReportPrint {
  std::string printer;
  // The PDF printer's output file; empty leaves it unset.
  std::string pdfPath;
  double hostWWidth = kDefaultHostWWidth;
  host::RegionalSettings regional;
  print::ReportOptions options;
};

// Runs PrintFromFlexGrid in a GUI session of its own; the landscape
// questions go to messages. Returns the job's result: empty when it printed
// to the end.
std::string PrintGridReport(host::FlexGrid& grid, ReportPrint& request, host::MessageBox& messages);

}  // namespace gridkit::cli
