#include "apps/gridkit/grid_sqlite_loader.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/grid_from_table.h"
#include "host/error.h"
#include "platform/qt/sqlite_query.h"

namespace gridkit::cli {

host::FlexGridModel LoadGridSqlite(const std::string& databasePath, const std::string& sql) {
  platform::QueryTable table;
  try {
    table = platform::RunSqliteQuery(databasePath, sql);
  } catch (const host::Error& error) {
    throw InputError("cannot query database " + databasePath + ": " + error.Description());
  }
  std::vector<std::vector<std::string>> records;
  records.reserve(table.rows.size() + 1);
  records.push_back(std::move(table.fieldNames));
  for (auto& row : table.rows)
    records.push_back(std::move(row));
  return GridFromTable(std::move(records));
}

}  // namespace gridkit::cli
