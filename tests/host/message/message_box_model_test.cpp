#include "host/message/message_box_model.h"

#include <gtest/gtest.h>

namespace gridkit::host {
namespace {

TEST(MessageBoxModelTest, AnswersFromTheScriptThenWithTheFirstButton) {
  MessageBoxModel boxes;
  boxes.Answer(MsgResult::No);
  boxes.Answer(MsgResult::Cancel);
  EXPECT_EQ(boxes.Show("Go on?", MsgButtons::YesNo, MsgIcon::Question, "T"), MsgResult::No);
  EXPECT_EQ(boxes.Show("Sure?", MsgButtons::OKCancel, MsgIcon::Question, "T"), MsgResult::Cancel);
  EXPECT_EQ(boxes.Show("a", MsgButtons::YesNo, MsgIcon::None, ""), MsgResult::Yes);
  EXPECT_EQ(boxes.Show("b", MsgButtons::OKOnly, MsgIcon::None, ""), MsgResult::OK);
  EXPECT_EQ(boxes.Show("c", MsgButtons::RetryCancel, MsgIcon::None, ""), MsgResult::Retry);
  EXPECT_EQ(boxes.Show("d", MsgButtons::AbortRetryIgnore, MsgIcon::None, ""), MsgResult::Abort);
  EXPECT_EQ(boxes.Show("e", MsgButtons::YesNoCancel, MsgIcon::None, ""), MsgResult::Yes);
}

TEST(MessageBoxModelTest, RecordsEveryBox) {
  MessageBoxModel boxes;
  boxes.Show("First", MsgButtons::OKOnly, MsgIcon::Critical, "Excel Posting");
  boxes.Show("Second", MsgButtons::YesNo, MsgIcon::Exclamation, "");
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].text, "First");
  EXPECT_EQ(boxes.Shown()[0].buttons, MsgButtons::OKOnly);
  EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Critical);
  EXPECT_EQ(boxes.Shown()[0].title, "Excel Posting");
  EXPECT_EQ(boxes.Shown()[1].text, "Second");
  EXPECT_EQ(boxes.Shown()[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(boxes.Shown()[1].icon, MsgIcon::Exclamation);
  EXPECT_EQ(boxes.Shown()[1].title, "");
}

}  // namespace
}  // namespace gridkit::host
