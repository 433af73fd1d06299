#include "host/colour/ole_color.h"

#include <array>

namespace gridkit::host {

namespace {

// The classic desktop scheme, as 0xRRGGBB, by system colour index.
constexpr std::array<uint32_t, 25> kSystemColors{
    0xC8C8C8,  //  0 scroll bar
    0x000000,  //  1 desktop
    0x99B4D1,  //  2 active title bar
    0xBFCDDB,  //  3 inactive title bar
    0xF0F0F0,  //  4 menu bar
    0xFFFFFF,  //  5 window background
    0x646464,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0x000000,  //  9 active title bar text
    0xB4B4B4,  // 10 active border
    0xF4F7FC,  // 11 inactive border
    0xABABAB,  // 12 application workspace
    0x3399FF,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xF0F0F0,  // 15 button face
    0xA0A0A0,  // 16 button shadow
    0x6D6D6D,  // 17 disabled text
    0x000000,  // 18 button text
    0x434E54,  // 19 inactive title bar text
    0xFFFFFF,  // 20 button highlight
    0x696969,  // 21 button dark shadow
    0xE3E3E3,  // 22 button light shadow
    0x000000,  // 23 tooltip text
    0xFFFFE1,  // 24 tooltip background
};

}  // namespace

uint32_t OleColorToRgb(uint32_t oleColor) {
  if (IsSystemColor(oleColor)) {
    const uint32_t index = oleColor & 0xFF;
    return index < kSystemColors.size() ? kSystemColors[index] : 0x000000;
  }
  const uint32_t red = oleColor & 0xFF;
  const uint32_t green = (oleColor >> 8) & 0xFF;
  const uint32_t blue = (oleColor >> 16) & 0xFF;
  return (red << 16) | (green << 8) | blue;
}

}  // namespace gridkit::host
