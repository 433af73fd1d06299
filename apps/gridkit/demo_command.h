#pragma once
// gridkit demo: exports the bundled sample grid to a workbook in a folder,
// prints it as a PDF report beside the workbook, and prints both paths.

#include <ostream>
#include <span>
#include <string>

namespace gridkit::cli {

// The exit status; raises UsageError or InputError before any export.
int RunDemoCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace gridkit::cli
