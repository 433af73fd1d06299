// Key for key behaviour of the decimal box: focus entry, the key filter and
// the value that follows the text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/entry/feskadel/feskadel_fixture.h"
#include "tests/support/error_of.h"

namespace gridkit::entry::test {
namespace {

struct KeyCase {
  const char* name;
  std::string text;  // set before the focus enters
  int32_t maxLength;
  // Keys after the focus entered, then a selection (start, length; -1 for
  // none), then more keys.
  std::string keys;
  int32_t selStart;
  int32_t selLength;
  std::string moreKeys;
  std::string expectedText;
  int32_t expectedCaret;
  double expectedValue;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << c.name;
}

class FeskadelKeysTest : public FeskadelFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(FeskadelKeysTest, LeavesTextCaretAndValue) {
  const KeyCase& c = GetParam();
  box.setMaxLength(c.maxLength);
  box.setText(c.text);
  Focus();
  form.Type(c.keys);
  if (c.selStart >= 0) {
    box.setSelStart(c.selStart);
    box.setSelLength(c.selLength);
  }
  form.Type(c.moreKeys);
  EXPECT_EQ(box.Text(), c.expectedText);
  EXPECT_EQ(box.SelStart(), c.expectedCaret);
  EXPECT_DOUBLE_EQ(box.Value(), c.expectedValue);
  EXPECT_TRUE(messages.Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FeskadelKeysTest,
    ::testing::Values(
        // A fresh box: ".00", digits in front of the point, "." jumps behind it.
        KeyCase{"FocusShowsPointZeroZero", "", 0, "", -1, 0, "", ".00", 0, 0},
        KeyCase{"FirstDigit", "", 0, "1", -1, 0, "", "1.00", 1, 1},
        KeyCase{"SecondDigit", "", 0, "12", -1, 0, "", "12.00", 2, 12},
        KeyCase{"PointJumpsBehindThePoint", "", 0, "12.", -1, 0, "", "12.00", 3, 12},
        KeyCase{"FirstDecimal", "", 0, "12.5", -1, 0, "", "12.50", 4, 12.5},
        // Overtyping at the end never grows the decimals past two.
        KeyCase{"AtTheEndOvertypesTheFirstDecimal", "12.50", 0, "{end}7", -1, 0, "", "12.70", 4,
                12.7},
        KeyCase{"ThenTheSecond", "12.50", 0, "{end}73", -1, 0, "", "12.73", 5, 12.73},
        KeyCase{"ThenTheFirstAgain", "12.50", 0, "{end}739", -1, 0, "", "12.93", 4, 12.93},
        KeyCase{"OneDecimalRightAfterThePointIsReplaced", "12.5", 0, "{end}{left}3", -1, 0, "",
                "12.3", 4, 12.3},
        KeyCase{"OneDecimalAtTheEndIsAppendedTo", "12.5", 0, "{end}3", -1, 0, "", "12.53", 5,
                12.53},
        KeyCase{"BackspaceAfterThePointDeletesTheFirstDecimal", "12.50", 0, "{end}{left}{left}{bs}",
                -1, 0, "", "12.0", 3, 12},
        KeyCase{"BackspaceAtTheEndOfAPointDeletesIt", "12.", 0, "{end}{bs}", -1, 0, "", "12", 2,
                12},
        KeyCase{"BackspaceInFrontOfThePoint", "12.50", 0, "{right}{right}{bs}", -1, 0, "", "1.50",
                1, 1.5},
        KeyCase{"SecondPointOnlyMovesTheCaret", "12.50", 0, "{right}.", -1, 0, "", "12.50", 3,
                12.5},
        KeyCase{"PointIntoDigits", "1234", 0, "{right}{right}.", -1, 0, "", "12.34", 3, 12.34},
        KeyCase{"OthersAreDiscarded", "", 0, "a- ~", -1, 0, "", ".00", 0, 0},
        // A selection in a text with a point is never replaced by a digit.
        KeyCase{"SelectionWithPointActsAtItsStart", "12.50", 0, "", 0, 2, "9", "912.50", 1, 912.5},
        KeyCase{"SelectionInTheDecimals", "12.50", 0, "", 3, 2, "9", "12.90", 4, 12.9},
        KeyCase{"SelectionWithoutPointIsReplaced", "1234", 0, "", 1, 2, "9", "194", 2, 194},
        // A full box.
        KeyCase{"FullRefusesDigitsInFrontOfThePoint", "12.50", 5, "1", -1, 0, "", "12.50", 0, 12.5},
        KeyCase{"FullStillOvertypesADecimal", "12.50", 5, "{end}{left}{left}9", -1, 0, "", "12.90",
                4, 12.9},
        KeyCase{"FullWithOneDecimalRefusesAtTheEnd", "12.5", 4, "{end}9", -1, 0, "", "12.5", 4,
                12.5},
        // Focus entry.
        KeyCase{"SpacesAroundANumberAreTrimmed", "  7  ", 0, "", -1, 0, "", "7", 0, 7},
        KeyCase{"ZeroWithDecimalsBecomesPointZeroZero", "0.00", 0, "", -1, 0, "", ".00", 0, 0},
        KeyCase{"LettersBecomePointZeroZero", "abc", 0, "", -1, 0, "", ".00", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FeskadelKeysTest, HostSeesEveryKeyAndTheValueBeforeEachChange) {
  Focus();
  events.clear();
  form.Type("1a");
  EXPECT_EQ(events,
            (std::vector<std::string>{"KeyDown 49", "KeyPress 49", "Change 0.000000", "KeyUp 49",
                                      "KeyDown 65", "KeyPress 97", "KeyUp 65"}));
  EXPECT_DOUBLE_EQ(box.Value(), 1);
}

TEST_F(FeskadelKeysTest, QueuedCaretKeysReachTheHostAsKeyDownAndKeyUp) {
  box.setText("12.50");
  Focus();
  events.clear();
  form.Type(".");
  EXPECT_EQ(events, (std::vector<std::string>{"KeyDown 190", "KeyPress 46", "KeyUp 190",
                                              "KeyDown 36", "KeyUp 36", "KeyDown 39", "KeyUp 39",
                                              "KeyDown 39", "KeyUp 39", "KeyDown 39", "KeyUp 39"}));
}

TEST_F(FeskadelKeysTest, HostCanChangeOrCancelTheCode) {
  onKeyPress = [](int16_t& code) {
    if (code == ',') code = '.';
    if (code == '3') code = 0;
  };
  Focus();
  form.Type("123,5");
  EXPECT_EQ(box.Text(), "12.50");
}

TEST_F(FeskadelKeysTest, SettingValueLeavesTheText) {
  box.setText("12.50");
  box.setValue(5);
  EXPECT_EQ(box.Text(), "12.50");
  EXPECT_DOUBLE_EQ(box.Value(), 5);
  box.setText("7");
  EXPECT_EQ(events.back(), "Change 5.000000") << "the host's Change still sees the old value";
  EXPECT_DOUBLE_EQ(box.Value(), 7);
}

TEST_F(FeskadelKeysTest, AssignedAndPastedTextIsNotFiltered) {
  box.setText("1a");
  EXPECT_EQ(box.Text(), "1a");
  EXPECT_DOUBLE_EQ(box.Value(), 1);
  box.setSelStart(2);
  box.setSelText(" 2.5x");
  EXPECT_EQ(box.Text(), "1a 2.5x");
  EXPECT_DOUBLE_EQ(box.Value(), 1);
}

TEST_F(FeskadelKeysTest, ResizeRaisesTheEventThenSizesTheBox) {
  EXPECT_EQ(box.TxtNumber().Width(), 1965) << "first display sizes the box to the control";
  EXPECT_EQ(box.TxtNumber().Left(), 15);
  int32_t widthSeen = 0;
  box.events.Resize = [&] { widthSeen = box.TxtNumber().Width(); };
  form.SiteNamed("Feskadel1")->Surface().setWidth(3000);
  EXPECT_EQ(widthSeen, 1965);
  EXPECT_EQ(box.TxtNumber().Width(), 3000);
  EXPECT_EQ(box.TxtNumber().Height(), 390);
  EXPECT_EQ(box.TxtNumber().Left(), 15);
  EXPECT_EQ(box.TxtNumber().Top(), 15);
}

TEST_F(FeskadelKeysTest, TooManyDigitsForADoubleFailTheCallOrShowAsARunTimeError) {
  const std::string nines(400, '9');
  EXPECT_EQ(test_support::ErrorOf([&] { box.setText(nines); }), 6) << "the host's call fails";
  EXPECT_EQ(box.Text(), nines) << "the text is kept";
  Focus();
  ASSERT_EQ(messages.Shown().size(), 1u) << "no caller waits for the focus entry";
  EXPECT_EQ(messages.Shown()[0].text, "Run-time error '6':\n\nOverflow");
  form.Tab();
  EXPECT_EQ(form.Focused(), form.TextBoxNamed("Text1"));
}

}  // namespace
}  // namespace gridkit::entry::test
