#include "host/text/utf8.h"

namespace gridkit::host {

char32_t DecodeChar(std::string_view text, size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  size_t length = 1;
  char32_t code = lead;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else if (lead >= 0x80) {
    ++i;
    return 0xDC00 | lead;
  }
  if (i + length > text.size()) length = 0;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) {
      length = 0;
      break;
    }
    code = (code << 6) | (next & 0x3F);
  }
  if (length == 0) {
    ++i;
    return 0xDC00 | lead;
  }
  i += length;
  return code;
}

std::string EncodeChar(char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

char32_t FoldCaseBeyondAscii(char32_t c) {
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130) return 'i';
    if (c == 0x178) return 0xFF;
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool evenUpper = (c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    if (oddUpper && c % 2 == 1) return c + 1;
    if (evenUpper && c % 2 == 0) return c + 1;
    return c;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
  if (c == 0x3C2) return 0x3C3;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (FoldCase(DecodeChar(a, i)) != FoldCase(DecodeChar(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

size_t CharCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); DecodeChar(text, i))
    ++count;
  return count;
}

size_t CharOffset(std::string_view text, size_t index) {
  size_t i = 0;
  for (size_t n = 0; n < index && i < text.size(); ++n)
    DecodeChar(text, i);
  return i;
}

std::string CharSlice(std::string_view text, size_t start, size_t count) {
  const size_t first = CharOffset(text, start);
  const std::string_view rest = text.substr(first);
  const size_t length = count == std::string::npos ? rest.size() : CharOffset(rest, count);
  return std::string(rest.substr(0, length));
}

}  // namespace gridkit::host
