#include "host/control/text_box_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/control/key_codes.h"
#include "tests/support/error_of.h"

namespace gridkit::host {
namespace {

using test_support::ErrorOf;

// A box whose events are written down as they are raised, with the text and
// caret at that moment.
class TextBoxModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.events.Change = [this] {
      log.push_back("Change " + box.Text() + " @" + std::to_string(box.SelStart()));
    };
  }

  void Show(const std::string& text, int32_t start, int32_t length = 0) {
    box.setText(text);
    box.setSelStart(start);
    box.setSelLength(length);
    log.clear();
  }

  TextBoxModel box;
  std::vector<std::string> log;
};

TEST_F(TextBoxModelTest, SettingTheTextRaisesChangeOnlyWhenItDiffersAndPutsTheCaretAtZero) {
  Show("12.50", 3, 2);
  box.setText("7");
  EXPECT_EQ(log, std::vector<std::string>{"Change 7 @0"});
  box.setSelStart(1);
  box.setText("7");
  EXPECT_EQ(log.size(), 1u) << "an unchanged text raises no Change";
  EXPECT_EQ(box.SelStart(), 0) << "but the caret still goes to 0";
  EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(TextBoxModelTest, SelStartEmptiesTheSelectionAndSelLengthStopsAtTheEnd) {
  Show("abcdef", 2, 3);
  EXPECT_EQ(box.SelText(), "cde");
  box.setSelStart(4);
  EXPECT_EQ(box.SelLength(), 0);
  box.setSelLength(10);
  EXPECT_EQ(box.SelLength(), 2);
  box.setSelStart(99);
  EXPECT_EQ(box.SelStart(), 6);
  EXPECT_EQ(ErrorOf([&] { box.setSelStart(-1); }), 380);
  EXPECT_EQ(ErrorOf([&] { box.setSelLength(-1); }), 380);
}

TEST_F(TextBoxModelTest, PositionsCountCharactersNotBytes) {
  Show("€1é2", 0);
  box.setSelStart(2);
  box.setSelLength(5);
  EXPECT_EQ(box.SelText(), "é2");
  box.setSelLength(1);
  box.DeliverKeyPress(U'ß');
  EXPECT_EQ(box.Text(), "€1ß2");
  EXPECT_EQ(box.SelStart(), 3);
}

struct TypingCase {
  const char* name;
  std::string text;
  int32_t selStart;
  int32_t selLength;
  int32_t maxLength;
  char32_t key;
  std::string expectedText;
  int32_t expectedCaret;
};

class TypingTest : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingTest, AppliesTheKeyPressCode) {
  const TypingCase& c = GetParam();
  TextBoxModel box;
  box.setText(c.text);
  box.setMaxLength(c.maxLength);
  box.setSelStart(c.selStart);
  box.setSelLength(c.selLength);
  int changes = 0;
  box.events.Change = [&] { ++changes; };
  box.DeliverKeyPress(c.key);
  EXPECT_EQ(box.Text(), c.expectedText);
  EXPECT_EQ(box.SelStart(), c.expectedCaret);
  EXPECT_EQ(box.SelLength(), 0);
  EXPECT_EQ(changes, c.text == c.expectedText ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypingTest,
    ::testing::Values(TypingCase{"InsertsAtTheCaret", "1250", 2, 0, 0, '.', "12.50", 3},
                      TypingCase{"ReplacesTheSelection", "12.50", 3, 2, 0, '7', "12.7", 4},
                      TypingCase{"FullBoxRefuses", "123", 1, 0, 3, '9', "123", 1},
                      TypingCase{"FullBoxStillReplacesASelection", "123", 1, 1, 3, '9', "193", 2},
                      TypingCase{"BackspaceDeletesBeforeTheCaret", "12.5", 3, 0, 0, 8, "125", 2},
                      TypingCase{"BackspaceDeletesTheSelection", "12.50", 1, 3, 0, 8, "10", 1},
                      TypingCase{"BackspaceAtTheStartDoesNothing", "12", 0, 0, 0, 8, "12", 0},
                      TypingCase{"EnterTypesNothing", "12", 2, 0, 0, 13, "12", 2},
                      TypingCase{"FullBoxStillTakesBackspace", "123", 3, 0, 3, 8, "12", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextBoxModelTest, KeyPressHandlerCanDiscardOrChangeTheCode) {
  Show("12", 2);
  box.events.KeyPress = [](int16_t& code) { code = code == 'a' ? 0 : int16_t{'9'}; };
  box.DeliverKeyPress('a');
  EXPECT_EQ(box.Text(), "12");
  box.DeliverKeyPress('5');
  EXPECT_EQ(box.Text(), "129");
}

TEST_F(TextBoxModelTest, LockedBoxRaisesKeyPressButKeepsItsText) {
  Show("12", 1);
  box.setLocked(true);
  int presses = 0;
  box.events.KeyPress = [&](int16_t&) { ++presses; };
  box.DeliverKeyPress('5');
  box.DeliverKeyDown(key::kDelete, 0);
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(box.Text(), "12");
}

struct NavigationCase {
  const char* name;
  int16_t keyCode;
  int32_t selStart;
  int32_t selLength;
  std::string expectedText;
  int32_t expectedCaret;
};

class NavigationTest : public ::testing::TestWithParam<NavigationCase> {};

TEST_P(NavigationTest, ActsOnKeyDown) {
  const NavigationCase& c = GetParam();
  TextBoxModel box;
  box.setText("12.50");
  box.setSelStart(c.selStart);
  box.setSelLength(c.selLength);
  box.DeliverKeyDown(c.keyCode, 0);
  EXPECT_EQ(box.Text(), c.expectedText);
  EXPECT_EQ(box.SelStart(), c.expectedCaret);
  EXPECT_EQ(box.SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NavigationTest,
    ::testing::Values(
        NavigationCase{"Home", key::kHome, 3, 0, "12.50", 0},
        NavigationCase{"End", key::kEnd, 1, 2, "12.50", 5},
        NavigationCase{"Left", key::kLeft, 3, 0, "12.50", 2},
        NavigationCase{"LeftAtTheStart", key::kLeft, 0, 0, "12.50", 0},
        NavigationCase{"LeftCollapsesASelectionToItsStart", key::kLeft, 1, 2, "12.50", 1},
        NavigationCase{"Right", key::kRight, 3, 0, "12.50", 4},
        NavigationCase{"RightAtTheEnd", key::kRight, 5, 0, "12.50", 5},
        NavigationCase{"RightCollapsesASelectionToItsEnd", key::kRight, 1, 2, "12.50", 3},
        NavigationCase{"DeleteAfterTheCaret", key::kDelete, 2, 0, "1250", 2},
        NavigationCase{"DeleteTheSelection", key::kDelete, 1, 3, "10", 1},
        NavigationCase{"DeleteAtTheEnd", key::kDelete, 5, 0, "12.50", 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextBoxModelTest, KeyDownHandlerSuppressesTheKeysOwnAction) {
  Show("12.50", 2);
  box.events.KeyDown = [](int16_t& keyCode, int16_t&) { keyCode = 0; };
  box.DeliverKeyDown(key::kDelete, 0);
  box.DeliverKeyDown(key::kRight, 0);
  EXPECT_EQ(box.Text(), "12.50");
  EXPECT_EQ(box.SelStart(), 2);
}

TEST_F(TextBoxModelTest, ValidateReportsTheCancel) {
  EXPECT_TRUE(box.DeliverValidate());
  box.events.Validate = [](bool& cancel) { cancel = true; };
  EXPECT_FALSE(box.DeliverValidate());
}

TEST_F(TextBoxModelTest, SelTextReplacesTheSelection) {
  Show("12.50", 1, 2);
  box.setSelText("xyz");
  EXPECT_EQ(box.Text(), "1xyz50");
  EXPECT_EQ(box.SelStart(), 4);
  EXPECT_EQ(log, std::vector<std::string>{"Change 1xyz50 @4"});
}

TEST_F(TextBoxModelTest, RejectsValuesNoTextBoxTakes) {
  EXPECT_EQ(ErrorOf([&] { box.setPasswordChar("**"); }), 380);
  EXPECT_EQ(ErrorOf([&] { box.setMaxLength(-1); }), 380);
  EXPECT_EQ(ErrorOf([&] { box.setAlignment(3); }), 380);
  EXPECT_EQ(ErrorOf([&] { box.setBorderStyle(2); }), 380);
  EXPECT_EQ(ErrorOf([&] { box.setFontSize(0); }), 380);
  EXPECT_EQ(ErrorOf([&] { box.setPasswordChar("*"); }), 0);
  box.setFontBold(true);
  EXPECT_TRUE(box.Font().Bold) << "the single font attributes change the font";
}

}  // namespace
}  // namespace gridkit::host
