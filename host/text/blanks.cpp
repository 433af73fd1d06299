#include "host/text/blanks.h"

namespace gridkit::host {

std::string_view TrimBlanks(std::string_view text) {
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first]))
    ++first;
  size_t last = text.size();
  while (last > first && IsBlank(text[last - 1]))
    --last;
  return text.substr(first, last - first);
}

std::string_view TrimSpaces(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace gridkit::host
