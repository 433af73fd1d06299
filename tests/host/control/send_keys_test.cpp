#include "host/control/send_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/error_of.h"

namespace gridkit::host {
namespace {

using test_support::ErrorOf;

struct SendKeysCase {
  std::string keys;
  std::vector<Keystroke> expected;
};

class SendKeysTest : public ::testing::TestWithParam<SendKeysCase> {};

TEST_P(SendKeysTest, Parses) {
  EXPECT_EQ(ParseSendKeys(GetParam().keys), GetParam().expected) << GetParam().keys;
}

const Keystroke kHome{key::kHome, 0, 0};
const Keystroke kRight{key::kRight, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, SendKeysTest,
    ::testing::Values(
        SendKeysCase{"a1", {{'A', 0, 'a'}, {'1', 0, '1'}}},
        SendKeysCase{"{home}{right}{RIGHT}", {kHome, kRight, kRight}},
        SendKeysCase{"{right 3}", {kRight, kRight, kRight}},
        SendKeysCase{"{Tab}{tab}", {{key::kTab, 0, 9}, {key::kTab, 0, 9}}},
        SendKeysCase{"{.}", {{190, 0, '.'}}},
        SendKeysCase{"{{}{}}", {{219, shift::kShift, '{'}, {221, shift::kShift, '}'}}},
        SendKeysCase{"{+}{~}", {{187, shift::kShift, '+'}, {192, shift::kShift, '~'}}},
        SendKeysCase{"~{enter}", {{key::kReturn, 0, 13}, {key::kReturn, 0, 13}}},
        SendKeysCase{"{bs}{del}", {{key::kBack, 0, 8}, {key::kDelete, 0, 0}}},
        SendKeysCase{"+a", {{'A', shift::kShift, 'A'}}},
        SendKeysCase{"^c", {{'C', shift::kCtrl, 3}}}, SendKeysCase{"%f", {{'F', shift::kAlt, 0}}},
        SendKeysCase{"+(ab)c", {{'A', 1, 'A'}, {'B', 1, 'B'}, {'C', 0, 'c'}}},
        SendKeysCase{"+{tab}", {{key::kTab, shift::kShift, 9}}},
        SendKeysCase{"{F5}", {{116, 0, 0}}}, SendKeysCase{"é", {{key::kPacket, 0, U'é'}}}));

TEST(SendKeysErrorTest, RefusesWhatItCannotRead) {
  for (const char* keys : {"{nope}", "{home", "}", "(a", "a)", "{right x}", "{F17}"}) {
    EXPECT_EQ(ErrorOf([&] { ParseSendKeys(keys); }), 5) << keys;
  }
}

}  // namespace
}  // namespace gridkit::host
