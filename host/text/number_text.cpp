#include "host/text/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace gridkit::host {

std::string PlainNumberText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";

  // d.dddddddddddddde±x: fifteen significant digits, then placed by hand.
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  std::string digits;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits.push_back(*p);
  }
  const int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  std::string text = value < 0 ? "-" : "";
  const int pointAt = exponent + 1;  // digits before the decimal point
  if (pointAt <= 0) {
    text += "0.";
    text.append(static_cast<size_t>(-pointAt), '0');
    text += digits;
  } else if (static_cast<size_t>(pointAt) >= digits.size()) {
    text += digits;
    text.append(static_cast<size_t>(pointAt) - digits.size(), '0');
  } else {
    text += digits.substr(0, static_cast<size_t>(pointAt));
    text += '.';
    text += digits.substr(static_cast<size_t>(pointAt));
  }
  return text;
}

}  // namespace gridkit::host
