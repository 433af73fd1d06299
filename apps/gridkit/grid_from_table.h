#pragma once
// A flexible grid from a table of texts whose first record is the header:
// that record becomes the one fixed row, and short records are padded with
// empty cells to the widest one.

#include <string>
#include <vector>

#include "host/grid/flex_grid_model.h"

namespace gridkit::cli {

host::FlexGridModel GridFromTable(std::vector<std::vector<std::string>> records);

}  // namespace gridkit::cli
