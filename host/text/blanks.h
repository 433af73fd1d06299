#pragma once
// Blanks are spaces, tabs, carriage returns and line feeds.

#include <string>
#include <string_view>

namespace gridkit::host {

inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The text without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

// The text without leading and trailing spaces (tabs and line breaks stay).
std::string_view TrimSpaces(std::string_view text);

// True when the text holds nothing but blanks (or nothing at all).
inline bool IsBlankText(std::string_view text) {
  return TrimBlanks(text).empty();
}

}  // namespace gridkit::host
