#include "host/text/column_letters.h"

#include <algorithm>

#include "host/error.h"

namespace gridkit::host {

std::string ColumnLetters(int32_t column) {
  if (column < 0 || column > kLastSheetColumn) throw Error::Standard(err::kInvalidCall);
  std::string letters;
  while (column > 0) {
    const int32_t digit = (column - 1) % 26;
    letters.push_back(static_cast<char>('A' + digit));
    column = (column - 1) / 26;
  }
  std::reverse(letters.begin(), letters.end());
  return letters;
}

int32_t ColumnNumber(std::string_view letters) {
  if (letters.empty() || letters.size() > 3) return 0;
  int32_t column = 0;
  for (char c : letters) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') return 0;
    column = column * 26 + (c - 'A' + 1);
  }
  return column <= kLastSheetColumn ? column : 0;
}

}  // namespace gridkit::host
