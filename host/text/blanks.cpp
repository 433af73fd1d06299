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

}  // namespace gridkit::host
