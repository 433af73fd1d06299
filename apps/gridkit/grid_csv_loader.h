#pragma once
// A flexible grid from a CSV file: the first record is the one fixed row.

#include <string>

#include "host/grid/flex_grid_model.h"

namespace gridkit::cli {

// Raises InputError, naming the file, when it cannot be read.
host::FlexGridModel LoadGridCsv(const std::string& path);

}  // namespace gridkit::cli
