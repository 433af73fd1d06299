#pragma once
// Column letters of A1 notation: bijective base 26, A to Z for columns 1 to
// 26, then AA ... ZZ (702), on to XFD (16384), the last sheet column.

#include <cstdint>
#include <string>
#include <string_view>

namespace gridkit::host {

inline constexpr int32_t kLastSheetColumn = 16384;

// Letters of a 1-based column; column 0 gives the empty text. Raises
// "Invalid procedure call or argument" below 0 or past the last sheet column.
std::string ColumnLetters(int32_t column);

// The 1-based column of upper- or lower-case letters; 0 when the text is not
// letters or names a column past the last sheet column.
int32_t ColumnNumber(std::string_view letters);

}  // namespace gridkit::host
