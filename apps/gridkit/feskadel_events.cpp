#include "apps/gridkit/feskadel_events.h"

#include "entry/feskadel/feskadel.h"

namespace gridkit::cli {
namespace {

// The handlers only look: every argument goes back to the control as it came.
void RecordEvents(entry::Feskadel::Events& events, EventLog& log) {
  events.Click = [&log] { log.Record("Click"); };
  events.DblClick = [&log] { log.Record("DblClick"); };
  events.KeyDown = [&log](int16_t& keyCode, int16_t& shift) {
    log.Record("KeyDown", {keyCode, shift});
  };
  events.KeyPress = [&log](int16_t& keyAscii) { log.Record("KeyPress", {keyAscii}); };
  events.KeyUp = [&log](int16_t& keyCode, int16_t& shift) {
    log.Record("KeyUp", {keyCode, shift});
  };
  events.MouseDown = [&log](int16_t& button, int16_t& shift, float& x, float& y) {
    log.Record("MouseDown", {button, shift, x, y});
  };
  events.MouseMove = [&log](int16_t& button, int16_t& shift, float& x, float& y) {
    log.Record("MouseMove", {button, shift, x, y});
  };
  events.MouseUp = [&log](int16_t& button, int16_t& shift, float& x, float& y) {
    log.Record("MouseUp", {button, shift, x, y});
  };
  events.Change = [&log] { log.Record("Change"); };
  events.Resize = [&log] { log.Record("Resize"); };
  events.ReadProperties = [&log](host::PropertyBag&) { log.Record("ReadProperties"); };
  events.Validate = [&log](bool& cancel) { log.Record("Validate", {cancel}); };
  events.WriteProperties = [&log](host::PropertyBag&) { log.Record("WriteProperties"); };
}

}  // namespace

host::UserControl& PlaceFeskadel(host::HeadlessForm& form, const std::string& siteName,
                                 host::PropertyBag* saved, EventLog& log) {
  const auto record = [&log](entry::Feskadel& control) { RecordEvents(control.events, log); };
  if (saved) return form.PlaceSaved<entry::Feskadel>(siteName, *saved, record);
  return form.PlaceNew<entry::Feskadel>(siteName, record);
}

}  // namespace gridkit::cli
