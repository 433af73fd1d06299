#pragma once
// A flexible grid from an SQLite query: the field names are the one fixed
// row, each record a data row.

#include <string>

#include "host/grid/flex_grid_model.h"

namespace gridkit::cli {

// Raises InputError, naming the database, when it cannot be opened or the
// query fails.
host::FlexGridModel LoadGridSqlite(const std::string& databasePath, const std::string& sql);

}  // namespace gridkit::cli
