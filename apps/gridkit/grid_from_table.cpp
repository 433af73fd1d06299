#include "apps/gridkit/grid_from_table.h"

#include <algorithm>

namespace gridkit::cli {

host::FlexGridModel GridFromTable(std::vector<std::vector<std::string>> records) {
  size_t cols = 0;
  for (const auto& record : records)
    cols = std::max(cols, record.size());
  const auto rows = static_cast<int32_t>(records.size());
  host::FlexGridModel grid(rows, static_cast<int32_t>(cols), rows > 0 ? 1 : 0);
  for (int32_t r = 0; r < rows; ++r) {
    auto& record = records[static_cast<size_t>(r)];
    for (size_t c = 0; c < record.size(); ++c) {
      grid.CellAt(r, static_cast<int32_t>(c)).text = std::move(record[c]);
    }
  }
  return grid;
}

}  // namespace gridkit::cli
