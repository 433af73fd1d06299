#pragma once
// The frame every print method runs in: the printer chosen by its exact
// device name, then the method's own steps; any failure stops the job,
// abandons a begun document and becomes the result text.

#include <functional>
#include <string>

#include "host/printer/printer.h"

namespace gridkit::print {

// The steps get the chosen printer and set started once the document is
// begun; they return the result text.
using PrintSteps = std::function<std::string(host::Printer& printer, bool& started)>;

std::string RunPrintJob(host::Printers& printers, const std::string& printerName,
                        const PrintSteps& steps);

}  // namespace gridkit::print
