#include "host/text/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace gridkit::host {
namespace {

struct NumberTextCase {
  double value;
  std::string text;
};

void PrintTo(const NumberTextCase& c, std::ostream* os) {
  *os << c.text;
}

class PlainNumberTextTest : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(PlainNumberTextTest, GivesTheShortestOrdinaryDecimalForm) {
  EXPECT_EQ(PlainNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainNumberTextTest,
    ::testing::Values(
        NumberTextCase{12.5, "12.5"}, NumberTextCase{12, "12"}, NumberTextCase{0, "0"},
        NumberTextCase{-0.0, "0"}, NumberTextCase{-12.5, "-12.5"}, NumberTextCase{-7, "-7"},
        NumberTextCase{0.1 + 0.2, "0.3"}, NumberTextCase{1.0 / 3, "0.333333333333333"},
        NumberTextCase{-2.0 / 3, "-0.666666666666667"},
        NumberTextCase{1e20, "100000000000000000000"}, NumberTextCase{1e-7, "0.0000001"},
        NumberTextCase{-1.5e-7, "-0.00000015"}, NumberTextCase{1234567.125, "1234567.125"},
        NumberTextCase{100, "100"}, NumberTextCase{0.5, "0.5"},
        NumberTextCase{123456789012345678.0, "123456789012346000"}));

TEST(PlainNumberTextSpecialTest, NamesValuesThatAreNoNumber) {
  EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::infinity()), "Infinity");
  EXPECT_EQ(PlainNumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

}  // namespace
}  // namespace gridkit::host
