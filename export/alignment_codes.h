#pragma once
// The sheet alignment that a grid column's alignment code stands for.

#include <cstdint>
#include <optional>

namespace gridkit::sheet {

struct SheetAlignment {
  int32_t horizontal;
  int32_t vertical;
};

// A flexible grid's ColAlignment 0..8 (left, centre, right by threes, with
// top, centre, bottom); nothing for general (9) and other codes.
std::optional<SheetAlignment> FlexAlignment(int16_t colAlignment);

}  // namespace gridkit::sheet
