#include "host/control/property_value.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "host/error.h"
#include "host/number/round_half_even.h"
#include "host/text/blanks.h"
#include "host/text/characters.h"
#include "host/text/number_text.h"
#include "host/text/numeric_reading.h"

namespace gridkit::host {

namespace {

[[noreturn]] void TypeMismatch() {
  throw Error::Standard(err::kTypeMismatch);
}

[[noreturn]] void Overflow() {
  throw Error::Standard(err::kOverflow);
}

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "&H80000005" or "0x80000005": the unsigned value of the hex digits.
bool ReadHexNumber(std::string_view s, double& value) {
  if (s.size() < 3) return false;
  const bool ampersand = s[0] == '&' && (s[1] == 'H' || s[1] == 'h');
  const bool zeroX = s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
  if (!ampersand && !zeroX) return false;
  value = 0;
  for (char c : s.substr(2)) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return false;
    value = value * 16 + digit;
  }
  if (std::isinf(value)) Overflow();
  return true;
}

// A text that holds nothing but a number (blanks around it aside).
double TextNumber(std::string_view text) {
  const std::string_view s = TrimBlanks(text);
  double value = 0;
  if (ReadHexNumber(s, value)) return value;
  if (s.empty() || NumberPrefixLength(s) != s.size()) TypeMismatch();
  return ReadNumber(s);
}

// The numeric value of a number, a Boolean or a number text.
double NumericValue(const PropertyValue& v) {
  struct Visitor {
    double operator()(Nothing) const { TypeMismatch(); }
    double operator()(bool b) const { return b ? -1 : 0; }
    double operator()(int16_t n) const { return n; }
    double operator()(int32_t n) const { return n; }
    double operator()(float f) const { return f; }
    double operator()(double d) const { return d; }
    double operator()(const std::string& s) const { return TextNumber(s); }
    double operator()(OleColor c) const { return c.value; }
    double operator()(const StdFont&) const { TypeMismatch(); }
    double operator()(const StdPicture&) const { TypeMismatch(); }
  };
  return std::visit(Visitor{}, v);
}

// The rounded value, which must lie in [low, high].
double RoundedInRange(double x, double low, double high) {
  if (!std::isfinite(x)) Overflow();
  const double r = RoundHalfEven(x);
  if (r < low || r > high) Overflow();
  return r;
}

}  // namespace

bool ToBool(const PropertyValue& v) {
  if (const bool* b = std::get_if<bool>(&v)) return *b;
  if (const std::string* s = std::get_if<std::string>(&v)) {
    const std::string_view t = TrimBlanks(*s);
    auto is = [&](std::string_view word) {
      if (t.size() != word.size()) return false;
      for (size_t i = 0; i < t.size(); ++i) {
        if ((t[i] | 0x20) != word[i]) return false;
      }
      return true;
    };
    if (is("true")) return true;
    if (is("false")) return false;
  }
  return NumericValue(v) != 0;
}

int16_t ToInt16(const PropertyValue& v) {
  if (const int16_t* n = std::get_if<int16_t>(&v)) return *n;
  return static_cast<int16_t>(RoundedInRange(NumericValue(v), -32768.0, 32767.0));
}

int32_t ToInt32(const PropertyValue& v) {
  if (const int32_t* n = std::get_if<int32_t>(&v)) return *n;
  return static_cast<int32_t>(RoundedInRange(NumericValue(v), -2147483648.0, 2147483647.0));
}

float ToSingle(const PropertyValue& v) {
  if (const float* f = std::get_if<float>(&v)) return *f;
  const double d = NumericValue(v);
  // From half a step above the largest single on, the value rounds to infinity.
  if (std::isfinite(d) && std::fabs(d) >= 0x1.ffffffp127) Overflow();
  return static_cast<float>(d);
}

double ToDouble(const PropertyValue& v) {
  return NumericValue(v);
}

std::string ToText(const PropertyValue& v) {
  struct Visitor {
    std::string operator()(Nothing) const { TypeMismatch(); }
    std::string operator()(bool b) const { return b ? "True" : "False"; }
    std::string operator()(int16_t n) const { return PlainNumberText(n); }
    std::string operator()(int32_t n) const { return PlainNumberText(n); }
    std::string operator()(float f) const {
      // A single shows the shortest digits that give it back (0.1, not
      // 0.100000001490116).
      if (!std::isfinite(f)) return PlainNumberText(f);
      char buffer[64];
      const auto written = std::to_chars(buffer, buffer + sizeof buffer, f);
      double shortest = 0;
      std::from_chars(buffer, written.ptr, shortest);
      return PlainNumberText(shortest);
    }
    std::string operator()(double d) const { return PlainNumberText(d); }
    std::string operator()(const std::string& s) const { return s; }
    std::string operator()(OleColor c) const { return PlainNumberText(c.value); }
    std::string operator()(const StdFont&) const { TypeMismatch(); }
    std::string operator()(const StdPicture&) const { TypeMismatch(); }
  };
  return std::visit(Visitor{}, v);
}

uint32_t ToColor(const PropertyValue& v) {
  if (const OleColor* c = std::get_if<OleColor>(&v)) return c->value;
  // A negative Long holds the same bits as the colour.
  const double r = RoundedInRange(NumericValue(v), -2147483648.0, 4294967295.0);
  return r < 0 ? static_cast<uint32_t>(static_cast<int32_t>(r)) : static_cast<uint32_t>(r);
}

StdFont ToFont(const PropertyValue& v) {
  if (const StdFont* f = std::get_if<StdFont>(&v)) return *f;
  TypeMismatch();
}

StdPicture ToPicture(const PropertyValue& v) {
  if (const StdPicture* p = std::get_if<StdPicture>(&v)) return *p;
  if (std::holds_alternative<Nothing>(v)) return StdPicture{};
  TypeMismatch();
}

}  // namespace gridkit::host
