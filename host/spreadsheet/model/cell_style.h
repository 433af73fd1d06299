#pragma once
// The look of a cell in the spreadsheet model, and the table that keeps each
// distinct look once so that cells refer to it by number.

#include <cstdint>
#include <string>
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

class StyleTable {
 public:
  // Style 0 is the default look of a new workbook.
  StyleTable();

  uint32_t Intern(const CellStyle& style);
  const CellStyle& Get(uint32_t id) const { return styles_[id]; }
  size_t Count() const { return styles_.size(); }

  // The id of the style that differs from `id` by what `change` does to it.
  template <class Change>
  uint32_t Modify(uint32_t id, Change&& change) {
    CellStyle style = styles_[id];
    change(style);
    return Intern(style);
  }

 private:
  std::vector<CellStyle> styles_;
  std::unordered_map<CellStyle, uint32_t, CellStyleHash> ids_;
};

}  // namespace gridkit::host
