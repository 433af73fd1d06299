#include "host/text/utf8.h"

namespace gridkit::host {

namespace {

// Length in bytes of the character that starts at text[i].
size_t SequenceLength(std::string_view text, size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (i + length > text.size()) return 1;
  for (size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

size_t CharCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i += SequenceLength(text, i)) ++count;
  return count;
}

size_t CharOffset(std::string_view text, size_t index) {
  size_t i = 0;
  for (size_t n = 0; n < index && i < text.size(); ++n) i += SequenceLength(text, i);
  return i;
}

std::string CharSlice(std::string_view text, size_t start, size_t count) {
  const size_t first = CharOffset(text, start);
  const std::string_view rest = text.substr(first);
  const size_t length = count == std::string::npos ? rest.size() : CharOffset(rest, count);
  return std::string(rest.substr(0, length));
}

}  // namespace gridkit::host
