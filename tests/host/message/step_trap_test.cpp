#include "host/message/step_trap.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>

#include "host/message/message_box_model.h"

namespace gridkit::host {
namespace {

struct FailureCase {
  std::string name;
  std::function<void()> fail;
  std::string text;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

class StepTrapTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StepTrapTest, ReportsOneCriticalBoxAndTheNextStepRuns) {
  MessageBoxModel boxes;
  StepTrap trap(boxes, "Excel Posting");
  bool nextRan = false;

  EXPECT_FALSE(trap.Run(GetParam().fail));
  EXPECT_TRUE(trap.Run([&] { nextRan = true; }));

  EXPECT_TRUE(nextRan);
  EXPECT_EQ(trap.Failures(), 1);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, GetParam().text);
  EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Critical);
  EXPECT_EQ(boxes.Shown()[0].buttons, MsgButtons::OKOnly);
  EXPECT_EQ(boxes.Shown()[0].title, "Excel Posting");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StepTrapTest,
    ::testing::Values(
        FailureCase{"HostError", [] { throw Error(1004, "Unable to set the property"); },
                    "Error : 1004 - Unable to set the property"},
        FailureCase{"StandardError", [] { throw Error::Standard(err::kObjectNotSet); },
                    "Error : 91 - Object variable or With block variable not set"},
        FailureCase{"RuntimeError", [] { throw std::runtime_error("disk on fire"); },
                    "Error : 51 - disk on fire"},
        FailureCase{"BadAlloc", [] { throw std::bad_alloc(); }, "Error : 7 - Out of memory"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(StepTrapRunTest, ASuccessfulStepShowsNothing) {
  MessageBoxModel boxes;
  StepTrap trap(boxes, "Title");
  int runs = 0;
  EXPECT_TRUE(trap.Run([&] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(trap.Failures(), 0);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST(StepTrapRunTest, EachFailureIsReportedUnderTheTitle) {
  MessageBoxModel boxes;
  StepTrap trap(boxes, "CSV Posting");
  size_t boxesBeforeReport = 99;
  trap.setBeforeReport([&] { boxesBeforeReport = boxes.Shown().size(); });
  trap.Run([] { throw Error::Standard(err::kFileNotFound); });
  EXPECT_EQ(boxesBeforeReport, 0u);  // called before the box is shown
  trap.Run([] { throw Error(13, "Type mismatch"); });
  EXPECT_EQ(trap.Failures(), 2);
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].text, "Error : 53 - File not found");
  EXPECT_EQ(boxes.Shown()[1].text, "Error : 13 - Type mismatch");
  EXPECT_EQ(boxes.Shown()[1].title, "CSV Posting");
}

}  // namespace
}  // namespace gridkit::host
