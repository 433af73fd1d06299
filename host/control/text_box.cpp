#include "host/control/text_box.h"

namespace gridkit::host {

void TextBox::setFontName(const std::string& name) {
  setFontMember(&StdFont::Name, name);
}

void TextBox::setFontSize(float size) {
  setFontMember(&StdFont::Size, static_cast<double>(size));
}

void TextBox::setFontBold(bool bold) {
  setFontMember(&StdFont::Bold, bold);
}

void TextBox::setFontItalic(bool italic) {
  setFontMember(&StdFont::Italic, italic);
}

void TextBox::setFontStrikethru(bool strikethru) {
  setFontMember(&StdFont::Strikethrough, strikethru);
}

void TextBox::setFontUnderline(bool underline) {
  setFontMember(&StdFont::Underline, underline);
}

void TextBox::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  setLeft(left);
  setTop(top);
  setWidth(width);
  setHeight(height);
}

}  // namespace gridkit::host
