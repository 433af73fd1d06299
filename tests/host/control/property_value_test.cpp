#include "host/control/property_value.h"
#include "tests/support/error_of.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <iomanip>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>

#include "host/error.h"

namespace gridkit::host {
namespace {

using gridkit::test_support::ErrorOf;

enum class Target { Bool, Int16, Int32, Single, Double, Text, Color, Font, Picture };

// The conversion to the target, its result kept in the target's own kind.
PropertyValue Convert(const PropertyValue& v, Target target) {
  switch (target) {
    case Target::Bool:
      return ToBool(v);
    case Target::Int16:
      return ToInt16(v);
    case Target::Int32:
      return ToInt32(v);
    case Target::Single:
      return ToSingle(v);
    case Target::Double:
      return ToDouble(v);
    case Target::Text:
      return ToText(v);
    case Target::Color:
      return OleColor{ToColor(v)};
    case Target::Font:
      return ToFont(v);
    case Target::Picture:
      return ToPicture(v);
  }
  return Nothing{};
}

std::string Exact(double d) {
  std::ostringstream text;
  text << std::setprecision(17) << d;
  return text.str();
}

std::string Describe(const PropertyValue& v) {
  struct Visitor {
    std::string operator()(Nothing) const { return "Nothing"; }
    std::string operator()(bool b) const { return b ? "bool True" : "bool False"; }
    std::string operator()(int16_t n) const { return "int16 " + std::to_string(n); }
    std::string operator()(int32_t n) const { return "int32 " + std::to_string(n); }
    std::string operator()(float f) const { return "single " + Exact(f); }
    std::string operator()(double d) const { return "double " + Exact(d); }
    std::string operator()(const std::string& s) const { return "text \"" + s + "\""; }
    std::string operator()(OleColor c) const { return "colour " + std::to_string(c.value); }
    std::string operator()(const StdFont& f) const { return "font " + f.Name; }
    std::string operator()(const StdPicture& p) const {
      return "picture of " + std::to_string(p.Data.size()) + " bytes";
    }
  };
  return std::visit(Visitor{}, v);
}

const char* TargetName(Target target) {
  constexpr const char* kNames[] = {"Bool", "Int16", "Int32", "Single", "Double",
                                    "Text", "Color", "Font",  "Picture"};
  return kNames[static_cast<int>(target)];
}

struct ConversionCase {
  PropertyValue from;
  Target to;
  PropertyValue expected;  // in the target's kind
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << Describe(c.from) << " to " << TargetName(c.to);
}

class ConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, GivesTheValueInTheTargetKind) {
  const ConversionCase& c = GetParam();
  const PropertyValue result = Convert(c.from, c.to);
  EXPECT_TRUE(SameValue(result, c.expected))
      << Describe(c.from) << " to " << TargetName(c.to) << " gave " << Describe(result)
      << ", expected " << Describe(c.expected);
}

const StdFont kArial{"Arial", 12, true, false, true, false};
const StdPicture kIcon{std::string("\x00\x01\xff", 3)};

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionTest,
    ::testing::Values(
        // integers round half to even, at the edges of the range too
        ConversionCase{2.5, Target::Int16, int16_t{2}},
        ConversionCase{3.5, Target::Int16, int16_t{4}},
        ConversionCase{-2.5, Target::Int16, int16_t{-2}},
        ConversionCase{-3.5, Target::Int32, int32_t{-4}},
        ConversionCase{0.5, Target::Int32, int32_t{0}},
        ConversionCase{2.5000001, Target::Int32, int32_t{3}},
        ConversionCase{-0.4, Target::Int32, int32_t{0}},
        ConversionCase{32767.4, Target::Int16, int16_t{32767}},
        ConversionCase{-32768.5, Target::Int16, int16_t{-32768}},
        ConversionCase{2147483647.4, Target::Int32, int32_t{2147483647}},
        ConversionCase{-2147483648.5, Target::Int32, int32_t{-2147483647 - 1}},
        ConversionCase{2.5f, Target::Int32, int32_t{2}},
        ConversionCase{int16_t{-7}, Target::Int32, int32_t{-7}},
        ConversionCase{int32_t{-32768}, Target::Int16, int16_t{-32768}},
        ConversionCase{OleColor{255}, Target::Int16, int16_t{255}},
        // Booleans are -1 and 0; numbers other than zero are true
        ConversionCase{true, Target::Int16, int16_t{-1}},
        ConversionCase{false, Target::Int32, int32_t{0}},
        ConversionCase{true, Target::Double, -1.0},
        ConversionCase{true, Target::Text, std::string("True")},
        ConversionCase{false, Target::Text, std::string("False")},
        ConversionCase{int32_t{5}, Target::Bool, true}, ConversionCase{-0.5, Target::Bool, true},
        ConversionCase{0.0, Target::Bool, false}, ConversionCase{OleColor{0}, Target::Bool, false},
        // colours: a negative Long holds the same bits
        ConversionCase{int32_t{-2147483643}, Target::Color, OleColor{0x80000005}},
        ConversionCase{int16_t{-1}, Target::Color, OleColor{0xFFFFFFFF}},
        ConversionCase{-2147483648.0, Target::Color, OleColor{0x80000000}},
        ConversionCase{4294967295.0, Target::Color, OleColor{0xFFFFFFFF}},
        ConversionCase{2147483653.0, Target::Color, OleColor{0x80000005}},
        ConversionCase{2.5, Target::Color, OleColor{2}},
        ConversionCase{true, Target::Color, OleColor{0xFFFFFFFF}},
        ConversionCase{OleColor{0x80000005}, Target::Double, 2147483653.0},
        ConversionCase{OleColor{0x80000005}, Target::Text, std::string("2147483653")},
        // singles and doubles
        ConversionCase{0.1f, Target::Double, static_cast<double>(0.1f)},
        ConversionCase{0.1, Target::Single, 0.1f},
        ConversionCase{3.4028235e38, Target::Single, FLT_MAX},
        ConversionCase{int32_t{16777217}, Target::Single, 16777216.0f},
        ConversionCase{OleColor{0x80000005}, Target::Single, 2147483648.0f},
        // number texts: blanks around, sign, point, exponent, hex
        ConversionCase{std::string(" 42 "), Target::Int16, int16_t{42}},
        ConversionCase{std::string("\t-1.5e2\n"), Target::Int32, int32_t{-150}},
        ConversionCase{std::string("+7"), Target::Int32, int32_t{7}},
        ConversionCase{std::string("2.5"), Target::Int16, int16_t{2}},
        ConversionCase{std::string(".5"), Target::Double, 0.5},
        ConversionCase{std::string("5."), Target::Double, 5.0},
        ConversionCase{std::string("1E+3"), Target::Double, 1000.0},
        ConversionCase{std::string("1e-400"), Target::Double, 0.0},
        ConversionCase{std::string("0.1"), Target::Single, 0.1f},
        ConversionCase{std::string("&H80000005"), Target::Color, OleColor{0x80000005}},
        ConversionCase{std::string("0x80000005"), Target::Color, OleColor{0x80000005}},
        ConversionCase{std::string("&hff"), Target::Int32, int32_t{255}},
        ConversionCase{std::string(" 0XFF "), Target::Int16, int16_t{255}},
        ConversionCase{std::string("-2147483643"), Target::Color, OleColor{0x80000005}},
        // Boolean texts: True/False in any case, or a number
        ConversionCase{std::string("True"), Target::Bool, true},
        ConversionCase{std::string("false"), Target::Bool, false},
        ConversionCase{std::string(" TRUE "), Target::Bool, true},
        ConversionCase{std::string("0"), Target::Bool, false},
        ConversionCase{std::string("-2.5"), Target::Bool, true},
        // number to text: the plain form; a single by its own shortest digits
        ConversionCase{12.5, Target::Text, std::string("12.5")},
        ConversionCase{int32_t{-3}, Target::Text, std::string("-3")},
        ConversionCase{int16_t{0}, Target::Text, std::string("0")},
        ConversionCase{0.1f, Target::Text, std::string("0.1")},
        ConversionCase{1e20, Target::Text, std::string("100000000000000000000")},
        ConversionCase{std::string("as is"), Target::Text, std::string("as is")},
        // objects
        ConversionCase{kArial, Target::Font, kArial}, ConversionCase{kIcon, Target::Picture, kIcon},
        ConversionCase{Nothing{}, Target::Picture, StdPicture{}}));

struct FailureCase {
  PropertyValue from;
  Target to;
  int32_t error;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << Describe(c.from) << " to " << TargetName(c.to);
}

class ConversionFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ConversionFailureTest, RaisesTheError) {
  const FailureCase& c = GetParam();
  EXPECT_EQ(ErrorOf([&] { Convert(c.from, c.to); }), c.error)
      << Describe(c.from) << " to " << TargetName(c.to);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Overflow, ConversionFailureTest,
    ::testing::Values(FailureCase{32767.5, Target::Int16, err::kOverflow},
                      FailureCase{-32768.6, Target::Int16, err::kOverflow},
                      FailureCase{int32_t{40000}, Target::Int16, err::kOverflow},
                      FailureCase{2147483647.5, Target::Int32, err::kOverflow},
                      FailureCase{-2147483649.0, Target::Int32, err::kOverflow},
                      FailureCase{OleColor{0x80000005}, Target::Int32, err::kOverflow},
                      FailureCase{kNaN, Target::Int32, err::kOverflow},
                      FailureCase{kInf, Target::Int16, err::kOverflow},
                      FailureCase{-kInf, Target::Color, err::kOverflow},
                      FailureCase{kNaN, Target::Color, err::kOverflow},
                      FailureCase{4294967295.5, Target::Color, err::kOverflow},
                      FailureCase{-2147483649.0, Target::Color, err::kOverflow},
                      FailureCase{1e39, Target::Single, err::kOverflow},
                      FailureCase{-1.7976931348623157e308, Target::Single, err::kOverflow},
                      FailureCase{std::string("70000"), Target::Int16, err::kOverflow},
                      FailureCase{std::string("1e400"), Target::Double, err::kOverflow},
                      FailureCase{std::string("&H100000000"), Target::Color, err::kOverflow}));

INSTANTIATE_TEST_SUITE_P(TypeMismatch, ConversionFailureTest,
                         ::testing::Values(
                             // texts that are not wholly a number
                             FailureCase{std::string(""), Target::Int16, err::kTypeMismatch},
                             FailureCase{std::string("   "), Target::Double, err::kTypeMismatch},
                             FailureCase{std::string("abc"), Target::Int32, err::kTypeMismatch},
                             FailureCase{std::string("12abc"), Target::Int32, err::kTypeMismatch},
                             FailureCase{std::string("1 2"), Target::Int32, err::kTypeMismatch},
                             FailureCase{std::string("1,5"), Target::Double, err::kTypeMismatch},
                             FailureCase{std::string("."), Target::Double, err::kTypeMismatch},
                             FailureCase{std::string("1e"), Target::Double, err::kTypeMismatch},
                             FailureCase{std::string("--5"), Target::Int32, err::kTypeMismatch},
                             FailureCase{std::string("NaN"), Target::Double, err::kTypeMismatch},
                             FailureCase{std::string("Infinity"), Target::Single,
                                         err::kTypeMismatch},
                             FailureCase{std::string("&H"), Target::Color, err::kTypeMismatch},
                             FailureCase{std::string("0x"), Target::Int32, err::kTypeMismatch},
                             FailureCase{std::string("&HG1"), Target::Color, err::kTypeMismatch},
                             FailureCase{std::string("-&H5"), Target::Int32, err::kTypeMismatch},
                             FailureCase{std::string("True"), Target::Int16, err::kTypeMismatch},
                             FailureCase{std::string("Yes"), Target::Bool, err::kTypeMismatch},
                             FailureCase{std::string(""), Target::Bool, err::kTypeMismatch},
                             // kinds with no such value
                             FailureCase{Nothing{}, Target::Int32, err::kTypeMismatch},
                             FailureCase{Nothing{}, Target::Bool, err::kTypeMismatch},
                             FailureCase{Nothing{}, Target::Text, err::kTypeMismatch},
                             FailureCase{Nothing{}, Target::Font, err::kTypeMismatch},
                             FailureCase{kArial, Target::Text, err::kTypeMismatch},
                             FailureCase{kArial, Target::Double, err::kTypeMismatch},
                             FailureCase{kArial, Target::Picture, err::kTypeMismatch},
                             FailureCase{kIcon, Target::Text, err::kTypeMismatch},
                             FailureCase{kIcon, Target::Color, err::kTypeMismatch},
                             FailureCase{kIcon, Target::Font, err::kTypeMismatch},
                             FailureCase{std::string("Arial"), Target::Font, err::kTypeMismatch},
                             FailureCase{int32_t{0}, Target::Font, err::kTypeMismatch},
                             FailureCase{std::string(""), Target::Picture, err::kTypeMismatch},
                             FailureCase{false, Target::Picture, err::kTypeMismatch}));

TEST(SameValueTest, NeedsTheSameKindAndValue) {
  EXPECT_TRUE(SameValue(int16_t{1}, int16_t{1}));
  EXPECT_TRUE(SameValue(kArial, kArial));
  EXPECT_TRUE(SameValue(Nothing{}, Nothing{}));
  EXPECT_FALSE(SameValue(true, int16_t{1}));
  EXPECT_FALSE(SameValue(int16_t{1}, int32_t{1}));
  EXPECT_FALSE(SameValue(1.0f, 1.0));
  EXPECT_FALSE(SameValue(OleColor{5}, int32_t{5}));
  EXPECT_FALSE(SameValue(std::string("1"), int32_t{1}));
  EXPECT_FALSE(SameValue(Nothing{}, StdPicture{}));
  EXPECT_FALSE(SameValue(kArial, StdFont{}));
}

}  // namespace
}  // namespace gridkit::host
