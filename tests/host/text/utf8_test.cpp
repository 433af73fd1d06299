#include "host/text/utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace gridkit::host {
namespace {

struct CountCase {
  std::string text;
  size_t characters;
};

void PrintTo(const CountCase& c, std::ostream* os) {
  *os << c.characters << " characters";
}

class CharCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CharCountTest, CountsCodePointsNotBytes) {
  EXPECT_EQ(CharCount(GetParam().text), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CharCountTest,
    ::testing::Values(CountCase{"", 0}, CountCase{"abc", 3}, CountCase{"h\xC3\xA9llo", 5},  // héllo
                      CountCase{"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", 3},  // 日本語
                      CountCase{"a\xF0\x9F\x98\x80"
                                "b",
                                3},  // a😀b
                      // bytes that start no valid sequence count one each
                      CountCase{"\xFF", 1},
                      CountCase{"a\x80"
                                "b",
                                3},
                      CountCase{"\xE6\x97", 2}, CountCase{"\xC3(", 2}));

TEST(CharSliceTest, SlicesByCharacters) {
  const std::string text = "\xE6\x97\xA5\xE6\x9C\xAC-\xC3\xA9t\xC3\xA9";  // 日本-été
  EXPECT_EQ(CharSlice(text, 0, 2), "\xE6\x97\xA5\xE6\x9C\xAC");
  EXPECT_EQ(CharSlice(text, 2, 3), "-\xC3\xA9t");
  EXPECT_EQ(CharSlice(text, 4), "t\xC3\xA9");
  EXPECT_EQ(CharSlice(text, 3, 100), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(CharSlice(text, 6, 1), "");
  EXPECT_EQ(CharSlice(text, 50), "");
  EXPECT_EQ(CharSlice(text, 1, 0), "");
}

TEST(CharOffsetTest, GivesTheByteWhereACharacterStarts) {
  const std::string text = "a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80z";  // aé日😀z
  EXPECT_EQ(CharOffset(text, 0), 0u);
  EXPECT_EQ(CharOffset(text, 1), 1u);
  EXPECT_EQ(CharOffset(text, 2), 3u);
  EXPECT_EQ(CharOffset(text, 3), 6u);
  EXPECT_EQ(CharOffset(text, 4), 10u);
  EXPECT_EQ(CharOffset(text, 5), text.size());
  EXPECT_EQ(CharOffset(text, 99), text.size());
}

}  // namespace
}  // namespace gridkit::host
