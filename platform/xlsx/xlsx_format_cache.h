#pragma once
// One libxlsxwriter format per distinct cell style, made the first time a
// style is met and looked up after that.

#include <cstdint>
#include <vector>

#include <xlsxwriter.h>

#include "host/spreadsheet/model/cell_style.h"

namespace gridkit::platform {

class XlsxFormatCache {
 public:
  XlsxFormatCache(lxw_workbook* workbook, const host::StyleTable& styles)
      : workbook_(workbook), styles_(styles) {}

  // The format of a style; null for the default style, which needs none.
  lxw_format* For(uint32_t styleId);
  size_t FormatsMade() const { return made_; }

 private:
  lxw_format* Make(const host::CellStyle& style);

  lxw_workbook* workbook_;
  const host::StyleTable& styles_;
  std::vector<lxw_format*> formats_;  // by style id; null until made
  size_t made_ = 0;
};

}  // namespace gridkit::platform
