#pragma once
// Lengths and positions in Unicode characters (code points) of UTF-8 text.
// A byte that does not start a valid sequence counts as one character.

#include <cstddef>
#include <string>
#include <string_view>

namespace gridkit::host {

// The code point at text[i], advancing i past it. A byte that starts no valid
// sequence stands for itself, mapped out of the range of real characters
// (0xDC00 + the byte).
char32_t DecodeChar(std::string_view text, size_t& i);

// The UTF-8 form of one code point; code points beyond Unicode or in the
// surrogate range give U+FFFD.
std::string EncodeChar(char32_t c);

// Simple case folding for the scripts month names and designators are
// written in: Latin (with Latin-1 and Extended-A), Greek and Cyrillic.
char32_t FoldCaseBeyondAscii(char32_t c);
inline char32_t FoldCase(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
  return FoldCaseBeyondAscii(c);
}

// True when the texts are equal after simple case folding.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Number of characters in the text.
size_t CharCount(std::string_view text);

// Byte offset of the character at index (0-based); the text's size when the
// index is at or past the end.
size_t CharOffset(std::string_view text, size_t index);

// Up to count characters from the character at start (0-based).
std::string CharSlice(std::string_view text, size_t start, size_t count = std::string::npos);

}  // namespace gridkit::host
