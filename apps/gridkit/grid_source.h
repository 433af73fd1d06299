#pragma once
// The grid a command works on, from the source its options name: a JSON
// description (--grid), a CSV file (--csv) or an SQLite query (--sqlite with
// --query).

#include "apps/gridkit/command_line.h"
#include "host/grid/flex_grid_model.h"

namespace gridkit::cli {

// Raises UsageError unless exactly one source is given, InputError when it
// cannot be read.
host::FlexGridModel LoadGridFromSource(const CommandOptions& options);

}  // namespace gridkit::cli
