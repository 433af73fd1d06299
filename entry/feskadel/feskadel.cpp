#include "entry/feskadel/feskadel.h"

#include "entry/feskadel/focus_entry.h"
#include "entry/feskadel/key_filter.h"
#include "host/control/raise_event.h"
#include "host/text/numeric_reading.h"

namespace gridkit::entry {

using host::RaiseEvent;

Feskadel::Feskadel(host::ControlSite& site)
    : site_(site), txtNumber_(site.AddTextBox("TxtNumber")) {
  txtNumber_.Move(15, 15, 1950, 380);
  WireTextBox();
}

void Feskadel::WireTextBox() {
  host::TextBox::Events& box = txtNumber_.events;
  box.Click = [this] { RaiseEvent(events.Click); };
  box.DblClick = [this] { RaiseEvent(events.DblClick); };
  box.KeyDown = [this](int16_t& keyCode, int16_t& shift) {
    RaiseEvent(events.KeyDown, keyCode, shift);
  };
  box.KeyUp = [this](int16_t& keyCode, int16_t& shift) {
    RaiseEvent(events.KeyUp, keyCode, shift);
  };
  box.KeyPress = [this](int16_t& keyAscii) {
    RaiseEvent(events.KeyPress, keyAscii);
    FilterTwoDecimalKey(txtNumber_, site_, keyAscii);
  };
  box.MouseDown = [this](int16_t& button, int16_t& shift, float& x, float& y) {
    RaiseEvent(events.MouseDown, button, shift, x, y);
  };
  box.MouseMove = [this](int16_t& button, int16_t& shift, float& x, float& y) {
    RaiseEvent(events.MouseMove, button, shift, x, y);
  };
  box.MouseUp = [this](int16_t& button, int16_t& shift, float& x, float& y) {
    RaiseEvent(events.MouseUp, button, shift, x, y);
  };
  // The host's Change handler still sees the value from before the change.
  box.Change = [this] {
    RaiseEvent(events.Change);
    value_ = host::ReadNumber(txtNumber_.Text());
  };
  box.Validate = [this](bool& cancel) { RaiseEvent(events.Validate, cancel); };
  box.GotFocus = [this] { EnterTwoDecimalBox(txtNumber_); };
}

void Feskadel::InitProperties() {
  value_ = 0;
}

void Feskadel::Resize() {
  RaiseEvent(events.Resize);
  txtNumber_.setWidth(site_.Surface().Width());
  txtNumber_.setHeight(site_.Surface().Height());
}

void Feskadel::Refresh() {
  txtNumber_.Refresh();
}

}  // namespace gridkit::entry
