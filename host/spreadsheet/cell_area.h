#pragma once
// A rectangle of sheet cells and its A1-notation reference text.

#include <cstdint>
#include <string>
#include <string_view>

namespace gridkit::host {

inline constexpr int32_t kLastSheetRow = 1048576;

// 1-based, inclusive bounds. Whole columns run from row 1 to the last row.
struct CellArea {
  int32_t firstRow = 1;
  int32_t firstCol = 1;
  int32_t lastRow = 1;
  int32_t lastCol = 1;
  bool wholeColumns = false;

  static CellArea Cell(int32_t row, int32_t col) { return {row, col, row, col, false}; }
  static CellArea Columns(int32_t firstCol, int32_t lastCol) {
    return {1, firstCol, kLastSheetRow, lastCol, true};
  }

  bool IsSingleCell() const { return firstRow == lastRow && firstCol == lastCol; }
  bool Contains(int32_t row, int32_t col) const {
    return row >= firstRow && row <= lastRow && col >= firstCol && col <= lastCol;
  }
  bool Overlaps(const CellArea& other) const {
    return firstRow <= other.lastRow && other.firstRow <= lastRow && firstCol <= other.lastCol &&
           other.firstCol <= lastCol;
  }
  bool operator==(const CellArea&) const = default;
};

// Parses "B7", "B7:D9", "$B$7", "B:B", "B:D" (letters in either case).
// Raises error 1004 for anything else, as the spreadsheet's Range does.
CellArea ParseReference(std::string_view reference);

// "B7", "B7:D9" or "B:D".
std::string ReferenceText(const CellArea& area);

}  // namespace gridkit::host
