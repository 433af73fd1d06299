#pragma once
// Running one query on an SQLite database through Qt SQL, read as a static
// table so that the record count is known.

#include <string>
#include <vector>

namespace gridkit::platform {

struct QueryTable {
  std::vector<std::string> fieldNames;
  std::vector<std::vector<std::string>> rows;  // each value in its text form; NULL as ""
};

// Raises host::Error when the database cannot be opened or the query fails.
QueryTable RunSqliteQuery(const std::string& databasePath, const std::string& sql);

}  // namespace gridkit::platform
