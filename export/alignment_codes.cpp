#include "export/alignment_codes.h"

#include <array>

#include "host/spreadsheet/worksheet.h"

namespace gridkit::sheet {

namespace xl = host::xl;

std::optional<SheetAlignment> FlexAlignment(int16_t colAlignment) {
  if (colAlignment < 0 || colAlignment > 8) return std::nullopt;
  constexpr std::array<int32_t, 3> kHorizontal{xl::kLeft, xl::kCenter, xl::kRight};
  constexpr std::array<int32_t, 3> kVertical{xl::kTop, xl::kCenter, xl::kBottom};
  return SheetAlignment{kHorizontal[static_cast<size_t>(colAlignment / 3)],
                        kVertical[static_cast<size_t>(colAlignment % 3)]};
}

}  // namespace gridkit::sheet
