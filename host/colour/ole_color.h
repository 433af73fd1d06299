#pragma once
// OLE_COLOR values: 0x00BBGGRR, or 0x80000000 plus a system colour index.

#include <cstdint>

namespace gridkit::host {

inline constexpr uint32_t kSystemColorFlag = 0x80000000;

inline bool IsSystemColor(uint32_t oleColor) {
  return (oleColor & kSystemColorFlag) != 0;
}

// The colour as 0xRRGGBB; system colours take the standard desktop scheme
// (window text black, window background white, ...).
uint32_t OleColorToRgb(uint32_t oleColor);

}  // namespace gridkit::host
