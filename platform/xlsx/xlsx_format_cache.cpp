#include "platform/xlsx/xlsx_format_cache.h"

#include "host/colour/ole_color.h"
#include "host/spreadsheet/worksheet.h"

namespace gridkit::platform {

namespace {

uint8_t HorizontalAlign(int32_t code) {
  switch (code) {
    case host::xl::kLeft:
      return LXW_ALIGN_LEFT;
    case host::xl::kCenter:
      return LXW_ALIGN_CENTER;
    case host::xl::kRight:
      return LXW_ALIGN_RIGHT;
    case 5:
      return LXW_ALIGN_FILL;
    case -4130:
      return LXW_ALIGN_JUSTIFY;
    case 7:
      return LXW_ALIGN_CENTER_ACROSS;
    case -4117:
      return LXW_ALIGN_DISTRIBUTED;
    default:
      return LXW_ALIGN_NONE;
  }
}

uint8_t VerticalAlign(int32_t code) {
  switch (code) {
    case host::xl::kTop:
      return LXW_ALIGN_VERTICAL_TOP;
    case host::xl::kCenter:
      return LXW_ALIGN_VERTICAL_CENTER;
    case -4130:
      return LXW_ALIGN_VERTICAL_JUSTIFY;
    case -4117:
      return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    default:
      return LXW_ALIGN_NONE;  // bottom is the file's default
  }
}

}  // namespace

lxw_format* XlsxFormatCache::For(uint32_t styleId) {
  if (styleId == 0) return nullptr;
  if (styleId >= formats_.size()) formats_.resize(styleId + 1, nullptr);
  if (formats_[styleId] == nullptr) formats_[styleId] = Make(styles_.Get(styleId));
  return formats_[styleId];
}

lxw_format* XlsxFormatCache::Make(const host::CellStyle& style) {
  lxw_format* format = workbook_add_format(workbook_);
  ++made_;
  format_set_font_name(format, style.fontName.c_str());
  format_set_font_size(format, style.fontSize);
  if (style.bold) format_set_bold(format);
  if (style.italic) format_set_italic(format);
  if (style.hasFontColor) {
    // The library reads 0 as "no colour"; black has a value of its own.
    const uint32_t rgb = host::OleColorToRgb(style.fontColor);
    format_set_font_color(format, rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : rgb);
  }
  if (style.numberFormat != "General") format_set_num_format(format, style.numberFormat.c_str());
  if (const uint8_t h = HorizontalAlign(style.horizontalAlignment); h != LXW_ALIGN_NONE) {
    format_set_align(format, h);
  }
  if (const uint8_t v = VerticalAlign(style.verticalAlignment); v != LXW_ALIGN_NONE) {
    format_set_align(format, v);
  }
  return format;
}

}  // namespace gridkit::platform
