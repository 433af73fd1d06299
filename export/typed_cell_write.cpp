#include "export/typed_cell_write.h"

#include <array>
#include <charconv>
#include <string>

#include "host/error.h"
#include "host/regional/date_format.h"
#include "host/regional/date_recognition.h"
#include "host/text/blanks.h"
#include "host/text/characters.h"
#include "host/text/numeric_reading.h"

namespace gridkit::sheet {

namespace {

using host::IsDigit;

// The number of decimals n (0 to 3) for which the text could be the value
// printed with exactly n decimals; -1 when it is in no such shape.
int CanonicalDecimals(std::string_view t) {
  size_t i = t.empty() || t[0] != '-' ? 0 : 1;
  const size_t intStart = i;
  while (i < t.size() && IsDigit(t[i]))
    ++i;
  const size_t intDigits = i - intStart;
  if (intDigits == 0 || (intDigits > 1 && t[intStart] == '0')) return -1;
  if (i == t.size()) return 0;
  if (t[i] != '.') return -1;
  const size_t decimals = t.size() - i - 1;
  if (decimals < 1 || decimals > 3) return -1;
  for (size_t k = i + 1; k < t.size(); ++k) {
    if (!IsDigit(t[k])) return -1;
  }
  return static_cast<int>(decimals);
}

// The format for a number whose text equals its value printed with a fixed
// number of decimals; empty for any other shape.
std::string_view FixedDecimalFormat(std::string_view t) {
  const int decimals = CanonicalDecimals(t);
  if (decimals < 0) return {};
  double value = 0;
  try {
    value = host::ReadNumber(t);
  } catch (const host::Error& error) {
    // Too large for a number: no decimal shape, so the text goes in as typed.
    if (error.Number() == host::err::kOverflow) return {};
    throw;
  }
  if (value == 0) value = 0;  // no "-0"
  char printed[400];
  const auto [end, ec] =
      std::to_chars(printed, printed + sizeof printed, value, std::chars_format::fixed, decimals);
  if (ec != std::errc() || t != std::string_view(printed, static_cast<size_t>(end - printed))) {
    return {};
  }
  constexpr std::array<std::string_view, 4> kFormats{"#,##0", "#,##0.0", "#,##0.00", "#,##0.000"};
  return kFormats[static_cast<size_t>(decimals)];
}

}  // namespace

bool ReadsAsNumber(std::string_view text) {
  const std::string_view t = host::TrimBlanks(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && (IsDigit(t[i]) || (t[i] == ',' && digits > 0))) {
    if (IsDigit(t[i])) ++digits;
    ++i;
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i]))
      ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const size_t expStart = i;
    while (i < t.size() && IsDigit(t[i]))
      ++i;
    if (i == expStart) return false;
  }
  return i == t.size();
}

void WriteTypedCell(host::Range cell, std::string_view text,
                    const host::RegionalSettings& regional) {
  if (ReadsAsNumber(text)) {
    const std::string_view format = FixedDecimalFormat(text);
    if (!format.empty()) cell.setNumberFormat(format);
    cell.setFormulaR1C1(text);
    return;
  }
  // A text with a time goes in as typed, where the sheet keeps date and time.
  const auto date = host::RecognizeDateTime(text, regional);
  if (date && date->hasDate && !date->hasTime) {
    cell.setNumberFormat("d-MM-yyyy");
    if (regional.dateOrder == host::DateOrder::DayMonthYear) {
      cell.setFormulaR1C1(host::FormatDateTime(date->serial, "d-MM-yyyy", regional));
    } else {
      // Reprinted day first, the text would be read back month first.
      cell.setValue(host::Date{date->serial});
    }
    return;
  }
  cell.setFormulaR1C1(text);
}

}  // namespace gridkit::sheet
