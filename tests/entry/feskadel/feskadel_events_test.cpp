// The events Feskadel raises to the host besides the keys: life cycle,
// pass-through of the box's mouse events, and Validate.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/entry/feskadel/feskadel_fixture.h"

namespace gridkit::entry::test {
namespace {

using Log = std::vector<std::string>;

class FeskadelEventsTest : public FeskadelFixture {
 protected:
  // Writes down the life-cycle events of a control placed on the form.
  std::function<void(Feskadel&)> Recording(Log& log) {
    return [&log](Feskadel& f) {
      f.events.ReadProperties = [&log](host::PropertyBag&) { log.push_back("ReadProperties"); };
      f.events.Change = [&log] { log.push_back("Change"); };
      f.events.Resize = [&log] { log.push_back("Resize"); };
    };
  }
};

TEST_F(FeskadelEventsTest, NewInstanceRaisesOnlyResize) {
  Log log;
  Feskadel& placed = form.PlaceNew<Feskadel>("Feskadel2", Recording(log));
  EXPECT_EQ(log, Log{"Resize"});
  EXPECT_DOUBLE_EQ(placed.Value(), 0);
}

TEST_F(FeskadelEventsTest, LoadingRaisesReadPropertiesBeforeItSetsTheText) {
  Log log;
  host::PropertyBag bag;
  bag.WriteProperty("Text", std::string("7"), std::string());
  form.PlaceSaved<Feskadel>("Feskadel2", bag, Recording(log));
  EXPECT_EQ(log, (Log{"ReadProperties", "Change", "Resize"}));
}

TEST_F(FeskadelEventsTest, MouseEventsPassThroughWithTheirArguments) {
  auto& txt = static_cast<host::TextBoxModel&>(box.TxtNumber());
  Log log;
  auto note = [&log](const std::string& name) {
    return [&log, name](int16_t& button, int16_t& shift, float& x, float& y) {
      log.push_back(name + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                    std::to_string(static_cast<int>(x)) + " " +
                    std::to_string(static_cast<int>(y)));
    };
  };
  box.events.MouseDown = note("MouseDown");
  box.events.MouseMove = note("MouseMove");
  box.events.MouseUp = note("MouseUp");
  box.events.Click = [&log] { log.push_back("Click"); };
  box.events.DblClick = [&log] { log.push_back("DblClick"); };
  using Action = host::TextBoxModel::MouseAction;
  txt.DeliverMouse(Action::Down, 1, 0, 30, 45);
  txt.DeliverMouse(Action::Move, 1, 1, 31, 46);
  txt.DeliverMouse(Action::Up, 1, 2, 32, 47);
  txt.DeliverClick();
  txt.DeliverDblClick();
  EXPECT_EQ(log, (Log{"MouseDown 1 0 30 45", "MouseMove 1 1 31 46", "MouseUp 1 2 32 47", "Click",
                      "DblClick"}));
}

TEST_F(FeskadelEventsTest, HostsValidateCancelKeepsTheFocus) {
  box.events.Validate = [](bool& cancel) { cancel = true; };
  Focus();
  form.Tab();
  EXPECT_EQ(form.Focused(), &box.TxtNumber());
  box.events.Validate = [](bool&) {};
  form.Tab();
  EXPECT_EQ(form.Focused(), form.TextBoxNamed("Text1"));
}

}  // namespace
}  // namespace gridkit::entry::test
