#pragma once
// gridkit printers: lists the printers a print job may name.

#include <ostream>
#include <span>
#include <string>

namespace gridkit::cli {

// Prints each printer's device name on a line of its own, the machine's in
// the system's order, then the built-in PDF printer. The exit status.
int RunPrintersCommand(std::span<const std::string> args, std::ostream& out);

}  // namespace gridkit::cli
