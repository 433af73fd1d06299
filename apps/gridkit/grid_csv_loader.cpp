#include "apps/gridkit/grid_csv_loader.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/grid_from_table.h"
#include "apps/gridkit/input_file.h"
#include "host/text/csv_records.h"

namespace gridkit::cli {

namespace {

// Spreadsheets save CSV with a UTF-8 byte order mark; it is not part of the
// first header.
void SkipByteOrderMark(std::istream& input) {
  constexpr char kMark[] = "\xEF\xBB\xBF";
  char head[3] = {};
  input.read(head, 3);
  if (input.gcount() == 3 && std::string_view(head, 3) == std::string_view(kMark, 3)) return;
  input.clear();
  input.seekg(0);
}

}  // namespace

host::FlexGridModel LoadGridCsv(const std::string& path) {
  std::ifstream input = OpenInputFile(path);
  SkipByteOrderMark(input);
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
