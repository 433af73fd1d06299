#pragma once
// gridkit excel: loads a grid from a JSON description, a CSV file or an
// SQLite query and exports it to a workbook.

#include <ostream>
#include <span>
#include <string>

namespace gridkit::cli {

// The exit status; raises UsageError or InputError before any export.
int RunExcelCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace gridkit::cli
