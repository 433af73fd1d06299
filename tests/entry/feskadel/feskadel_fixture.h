#pragma once
// A Feskadel on a headless form with a plain box after it, and the host's
// record of the control's events.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/feskadel/feskadel.h"
#include "host/control/headless_form.h"
#include "host/message/message_box_model.h"

namespace gridkit::entry::test {

class FeskadelFixture : public ::testing::Test {
 protected:
  FeskadelFixture() : box(form.PlaceNew<Feskadel>("Feskadel1")) {
    form.PlaceTextBox("Text1");
    box.events.Change = [this] { events.push_back("Change " + std::to_string(box.Value())); };
    box.events.KeyPress = [this](int16_t& code) {
      events.push_back("KeyPress " + std::to_string(code));
      if (onKeyPress) onKeyPress(code);
    };
    box.events.KeyDown = [this](int16_t& code, int16_t&) {
      events.push_back("KeyDown " + std::to_string(code));
    };
    box.events.KeyUp = [this](int16_t& code, int16_t&) {
      events.push_back("KeyUp " + std::to_string(code));
    };
  }

  void Focus() { form.FocusControl("Feskadel1"); }

  host::MessageBoxModel messages;
  host::HeadlessForm form{messages};
  Feskadel& box;
  std::vector<std::string> events;
  std::function<void(int16_t&)> onKeyPress;
};

}  // namespace gridkit::entry::test
