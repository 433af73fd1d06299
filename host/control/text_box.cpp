#include "host/control/text_box.h"

namespace gridkit::host {

void TextBox::setFontName(const std::string& name) {
  StdFont font = Font();
  font.Name = name;
  setFont(font);
}

void TextBox::setFontSize(float size) {
  StdFont font = Font();
  font.Size = size;
  setFont(font);
}

void TextBox::setFontBold(bool bold) {
  StdFont font = Font();
  font.Bold = bold;
  setFont(font);
}

void TextBox::setFontItalic(bool italic) {
  StdFont font = Font();
  font.Italic = italic;
  setFont(font);
}

void TextBox::setFontStrikethru(bool strikethru) {
  StdFont font = Font();
  font.Strikethrough = strikethru;
  setFont(font);
}

void TextBox::setFontUnderline(bool underline) {
  StdFont font = Font();
  font.Underline = underline;
  setFont(font);
}

void TextBox::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  setLeft(left);
  setTop(top);
  setWidth(width);
  setHeight(height);
}

}  // namespace gridkit::host
