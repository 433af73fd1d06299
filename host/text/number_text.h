#pragma once
// The plain text form of a number: the shortest ordinary decimal form (15
// significant digits at most), without added spaces, exponent or zeros:
// twelve and a half gives "12.5", twelve gives "12".

#include <string>

namespace gridkit::host {

std::string PlainNumberText(double value);

}  // namespace gridkit::host
