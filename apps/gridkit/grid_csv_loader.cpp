#include "apps/gridkit/grid_csv_loader.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/grid_from_table.h"
#include "apps/gridkit/input_file.h"
#include "host/text/csv_records.h"

namespace gridkit::cli {

host::FlexGridModel LoadGridCsv(const std::string& path) {
  std::ifstream input = OpenInputFile(path);
  std::vector<std::vector<std::string>> records;
  host::CsvRecords reader(input);
  while (auto record = reader.Next())
    records.push_back(std::move(*record));
  CheckReadCompleted(input, path);
  if (reader.EndedInQuotes()) {
    throw InputError(path + ": a quoted field is not closed before the end of the file");
  }
  return GridFromTable(std::move(records));
}

}  // namespace gridkit::cli
