#pragma once
// Character classes of the ASCII letters and digits that numbers, dates and
// references are written in.

namespace gridkit::host {

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

inline bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace gridkit::host
