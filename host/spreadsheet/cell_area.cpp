#include "host/spreadsheet/cell_area.h"

#include <algorithm>
#include <charconv>

#include "host/error.h"
#include "host/text/characters.h"
#include "host/text/column_letters.h"

namespace gridkit::host {

namespace {

[[noreturn]] void BadReference() {
  throw Error(err::kApplicationDefined, "Method 'Range' of object '_Worksheet' failed");
}

// One side of a reference: letters and an optional row number, either
// possibly preceded by '$'. Row 0 means the side named a whole column.
struct Corner {
  int32_t col = 0;
  int32_t row = 0;
};

Corner ParseCorner(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && text[i] == '$') ++i;
  const size_t lettersStart = i;
  while (i < text.size() && IsAsciiLetter(text[i]))
    ++i;
  Corner corner;
  corner.col = ColumnNumber(text.substr(lettersStart, i - lettersStart));
  if (corner.col == 0) BadReference();
  if (i == text.size()) return corner;
  if (text[i] == '$') ++i;
  const size_t digitsStart = i;
  while (i < text.size() && IsDigit(text[i]))
    ++i;
  if (i != text.size() || i == digitsStart || text[digitsStart] == '0') BadReference();
  int64_t row = 0;
  auto [ptr, ec] = std::from_chars(text.data() + digitsStart, text.data() + i, row);
  (void)ptr;
  if (ec != std::errc() || row < 1 || row > kLastSheetRow) BadReference();
  corner.row = static_cast<int32_t>(row);
  return corner;
}

}  // namespace

CellArea ParseReference(std::string_view reference) {
  const size_t colon = reference.find(':');
  if (colon == std::string_view::npos) {
    const Corner only = ParseCorner(reference);
    if (only.row == 0) BadReference();
    return CellArea::Cell(only.row, only.col);
  }
  const Corner first = ParseCorner(reference.substr(0, colon));
  const Corner last = ParseCorner(reference.substr(colon + 1));
  if ((first.row == 0) != (last.row == 0)) BadReference();
  if (first.row == 0) {
    return CellArea::Columns(std::min(first.col, last.col), std::max(first.col, last.col));
  }
  return CellArea{std::min(first.row, last.row), std::min(first.col, last.col),
                  std::max(first.row, last.row), std::max(first.col, last.col), false};
}

std::string ReferenceText(const CellArea& area) {
  if (area.wholeColumns) return ColumnLetters(area.firstCol) + ":" + ColumnLetters(area.lastCol);
  std::string text = ColumnLetters(area.firstCol) + std::to_string(area.firstRow);
  if (area.IsSingleCell()) return text;
  return text + ":" + ColumnLetters(area.lastCol) + std::to_string(area.lastRow);
}

}  // namespace gridkit::host
