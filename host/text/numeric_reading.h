#pragma once
// The numeric reading of a text: blanks are ignored wherever they stand, the
// longest leading part that forms a decimal number ("." as the point) is
// taken, and a text with no such part reads as 0.

#include <string_view>

namespace gridkit::host {

// Raises "Overflow" when the number is beyond the range of a double.
double ReadNumber(std::string_view text);

}  // namespace gridkit::host
