#pragma once
// The numeric reading of a text: blanks are ignored wherever they stand, the
// longest leading part that forms a decimal number ("." as the point) is
// taken, and a text with no such part reads as 0.

#include <cstddef>
#include <string_view>

namespace gridkit::host {

// Raises "Overflow" when the number is beyond the range of a double.
double ReadNumber(std::string_view text);

// Length of the longest leading part of the text that forms a decimal
// number (sign, digits, optional point and digits, optional exponent with
// digits), blanks not skipped; 0 when there is none.
size_t NumberPrefixLength(std::string_view text);

}  // namespace gridkit::host
