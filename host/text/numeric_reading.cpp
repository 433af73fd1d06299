#include "host/text/numeric_reading.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "host/error.h"
#include "host/text/blanks.h"
#include "host/text/characters.h"

namespace gridkit::host {

size_t NumberPrefixLength(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i]))
    ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i]))
      ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j]))
        ++j;
      i = j;
    }
  }
  return i;
}

double ReadNumber(std::string_view text) {
  std::string packed;
  packed.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) packed.push_back(c);
  }
  const size_t length = NumberPrefixLength(packed);
  if (length == 0) return 0;

  // from_chars takes no leading '+'; a '-' it handles itself.
  size_t start = packed[0] == '+' ? 1 : 0;
  double value = 0;
  const char* first = packed.data() + start;
  const char* last = packed.data() + length;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; overflow is an error.
    const std::string digits(first, last);
    if (std::strtod(digits.c_str(), nullptr) == 0) return 0;
    throw Error::Standard(err::kOverflow);
  }
  (void)ptr;
  return value;
}

}  // namespace gridkit::host
