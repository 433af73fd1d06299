#pragma once
// The look of a cell in the spreadsheet model, and the table that keeps each
// distinct look once so that cells refer to it by number.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/spreadsheet/worksheet.h"

namespace gridkit::host {

struct CellStyle {
  std::string numberFormat = "General";
  std::string fontName = "Calibri";
  double fontSize = 11;
  bool bold = false;
  bool italic = false;
  bool hasFontColor = false;  // false: the automatic colour
  uint32_t fontColor = 0;     // OLE_COLOR
  int32_t horizontalAlignment = xl::kGeneral;
  int32_t verticalAlignment = xl::kBottom;

  bool operator==(const CellStyle&) const = default;
};

struct CellStyleHash {
  size_t operator()(const CellStyle& style) const;
};

// One property of a style, for StyleTable::With.
enum class StyleProperty : uint8_t {
  NumberFormat,
  FontName,
  FontSize,
  Bold,
  Italic,
  FontColor,
  HorizontalAlignment,
  VerticalAlignment,
};

class StyleTable {
 public:
  // Style 0 is the default look of a new workbook.
  StyleTable();

  uint32_t Intern(const CellStyle& style);
  const CellStyle& Get(uint32_t id) const { return styles_[id]; }
  size_t Count() const { return styles_.size(); }

  // The id of the style that differs from `from` in one property: a number
  // (bool, size, colour, alignment code) or, for the number format and the
  // font name, a text. Recent changes are remembered, so that a cell-by-cell
  // export looks a style up rather than building it again.
  uint32_t With(uint32_t from, StyleProperty property, double number, std::string_view text = {});

 private:
  struct Change {
    uint32_t from = UINT32_MAX;
    uint32_t to = 0;
    uint64_t key = 0;
    StyleProperty property{};
  };

  std::vector<CellStyle> styles_;
  std::unordered_map<CellStyle, uint32_t, CellStyleHash> ids_;
  std::vector<Change> recent_;
};

}  // namespace gridkit::host
