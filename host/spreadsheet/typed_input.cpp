#include "host/spreadsheet/typed_input.h"

#include <charconv>
#include <optional>
#include <string>

#include "host/regional/date_recognition.h"
#include "host/text/blanks.h"
#include "host/text/characters.h"
#include "host/text/utf8.h"

namespace gridkit::host {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

struct ParsedNumber {
  double value = 0;
  bool grouped = false;
  bool exponent = false;
  bool percent = false;
  int decimals = 0;
};

// A number as typed: sign, digits optionally grouped by commas in threes,
// decimal point, exponent, trailing percent sign. Leading zeros and more than
// fifteen significant digits leave the text a text.
std::optional<ParsedNumber> ParseTypedNumber(std::string_view t) {
  ParsedNumber parsed;
  std::string plain;  // the number without grouping, sign or percent
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';

  size_t groupDigits = 0;
  bool sawComma = false;
  while (i < t.size() && (IsDigit(t[i]) || t[i] == ',')) {
    if (t[i] == ',') {
      // The first group has 1 to 3 digits, every later group exactly 3.
      if (groupDigits == 0 || groupDigits > 3 || (sawComma && groupDigits != 3)) return {};
      sawComma = true;
      groupDigits = 0;
    } else {
      plain.push_back(t[i]);
      ++groupDigits;
    }
    ++i;
  }
  if (sawComma && groupDigits != 3) return {};
  parsed.grouped = sawComma;
  const size_t intDigits = plain.size();
  if (intDigits > 1 && plain[0] == '0') return {};  // 007 stays a code

  if (i < t.size() && t[i] == '.') {
    plain.push_back('.');
    ++i;
    while (i < t.size() && IsDigit(t[i])) {
      plain.push_back(t[i++]);
      ++parsed.decimals;
    }
  }
  if (intDigits == 0 && parsed.decimals == 0) return {};

  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) exponent.push_back(t[j++]);
    if (j == t.size() || !IsDigit(t[j])) return {};
    while (j < t.size() && IsDigit(t[j]))
      exponent.push_back(t[j++]);
    plain += exponent;
    parsed.exponent = true;
    i = j;
  }
  if (i < t.size() && t[i] == '%') {
    parsed.percent = true;
    ++i;
  }
  if (i != t.size()) return {};

  // Significant digits: all mantissa digits without leading zeros.
  size_t significant = 0;
  bool leading = true;
  for (char c : plain) {
    if (c == 'e') break;
    if (!IsDigit(c)) continue;
    if (leading && c == '0') continue;
    leading = false;
    ++significant;
  }
  // Trailing zeros after the point carry no digits of the value.
  if (parsed.decimals > 0) {
    size_t k = plain.find('e');
    if (k == std::string::npos) k = plain.size();
    while (k > 0 && plain[k - 1] == '0' && significant > 0)
      --k, --significant;
  }
  if (significant > 15) return {};

  double value = 0;
  auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  (void)ptr;
  if (ec != std::errc()) return {};
  if (negative) value = -value;
  if (parsed.percent) value /= 100;
  parsed.value = value;
  return parsed;
}

std::string NumberFormatFor(const ParsedNumber& n) {
  if (n.percent) return n.decimals > 0 ? "0.00%" : "0%";
  if (n.exponent) return "0.00E+00";
  if (n.grouped) return n.decimals > 0 ? "#,##0.00" : "#,##0";
  return {};
}

std::string DateFormatFor(const RecognizedDateTime& d, const RegionalSettings& settings) {
  std::string time;
  if (d.hasTime) {
    time = d.second != 0 ? "h:mm:ss" : "h:mm";
    if (d.twelveHour) time += " AM/PM";
  }
  if (!d.hasDate) return time;
  return d.hasTime ? ShortDateFormat(settings) + " " + time : ShortDateFormat(settings);
}

}  // namespace

std::string ShortDateFormat(const RegionalSettings& settings, bool withTime) {
  std::string date;
  switch (settings.dateOrder) {
    case DateOrder::MonthDayYear:
      date = "m/d/yyyy";
      break;
    case DateOrder::YearMonthDay:
      date = "yyyy-mm-dd";
      break;
    case DateOrder::DayMonthYear:
      date = "dd/mm/yyyy";
      break;
  }
  return withTime ? date + " h:mm" : date;
}

TypedInput InterpretTypedInput(std::string_view text, const RegionalSettings& settings) {
  TypedInput input;
  if (text.empty()) return input;
  input.kind = CellKind::Text;
  if (text[0] == '=') return input;

  const std::string_view t = TrimBlanks(text);
  if (t.empty()) return input;
  if (EqualsIgnoringCase(t, "TRUE") || EqualsIgnoringCase(t, "FALSE")) {
    input.kind = CellKind::Boolean;
    input.number = (t[0] == 'T' || t[0] == 't') ? 1 : 0;
    return input;
  }
  if (auto number = ParseTypedNumber(t)) {
    input.kind = CellKind::Number;
    input.number = number->value;
    input.impliedFormat = NumberFormatFor(*number);
    return input;
  }
  if (auto date = RecognizeDateTime(t, settings)) {
    input.kind = CellKind::Date;
    input.number = date->serial;
    input.impliedFormat = DateFormatFor(*date, settings);
    return input;
  }
  return input;
}

}  // namespace gridkit::host
