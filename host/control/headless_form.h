#pragma once
// A headless form of the host: it sites controls in tab order, runs their
// life cycle, and plays a person at the keyboard. Focus moves with Validate,
// LostFocus, the controls' ExitFocus and GotFocus, then GotFocus of the
// box; each key is KeyDown, KeyPress with its character applied, KeyUp, and
// then the keys that SendKeys queued meanwhile, in order.
//
// An error that escapes a control's handler during the person's actions has
// no caller to reach: the form shows it as a run-time error box and goes on
// with the next key.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/control/headless_site.h"
#include "host/control/key_codes.h"
#include "host/control/property_bag.h"
#include "host/control/text_box_model.h"
#include "host/control/user_control.h"
#include "host/message/message_box.h"
#include "host/std_font.h"

namespace gridkit::host {

class HeadlessForm {
 public:
  explicit HeadlessForm(MessageBox& messages, std::string caption = "Form1");
  ~HeadlessForm();
  HeadlessForm(const HeadlessForm&) = delete;
  HeadlessForm& operator=(const HeadlessForm&) = delete;

  StdFont AmbientFont() const { return ambientFont_; }
  void setAmbientFont(const StdFont& font) { ambientFont_ = font; }
  // False while the form is being designed.
  bool UserMode() const { return userMode_; }
  void setUserMode(bool userMode) { userMode_ = userMode; }

  // A new instance: Initialize, InitProperties, Resize, Show. The host's
  // beforeLifeCycle sees the control once it is constructed, so that its
  // event handlers are in place for the life cycle's events.
  template <class Control>
  Control& PlaceNew(const std::string& name,
                    const std::function<void(Control&)>& beforeLifeCycle = {}) {
    HeadlessSite& site = AddSite(name);
    auto control = std::make_unique<Control>(site);
    Control& placed = *control;
    RunBeforeLifeCycle(beforeLifeCycle, placed);
    Site(std::move(control), nullptr);
    return placed;
  }
  // Saved state: Initialize, ReadProperties, Resize, Show.
  template <class Control>
  Control& PlaceSaved(const std::string& name, PropertyBag& bag,
                      const std::function<void(Control&)>& beforeLifeCycle = {}) {
    HeadlessSite& site = AddSite(name);
    auto control = std::make_unique<Control>(site);
    Control& placed = *control;
    RunBeforeLifeCycle(beforeLifeCycle, placed);
    Site(std::move(control), &bag);
    return placed;
  }
  // A text box of the form's own.
  TextBoxModel& PlaceTextBox(const std::string& name);

  // The control's WriteProperties into a new bag.
  PropertyBag Save(std::string_view name);
  // Null when no control has the name.
  HeadlessSite* SiteNamed(std::string_view name) const;
  TextBoxModel* TextBoxNamed(std::string_view name) const;

  // The person clicks into a box, into a control (its first box that can
  // take the focus), or presses Tab (Shift+Tab backwards).
  void Focus(TextBoxModel& box);
  void FocusControl(std::string_view name);
  void Tab(bool backwards = false);
  TextBoxModel* Focused() const { return focused_; }

  // One keystroke to the focused box, then every key queued meanwhile.
  void Press(const Keystroke& key);
  // Keys in the SendKeys syntax, one Press each.
  void Type(std::string_view keys);
  // SendKeys: queued, processed after the current key.
  void QueueKeys(std::string_view keys);

  MessageBox& Messages() { return messages_; }

 private:
  struct Entry {
    std::unique_ptr<HeadlessSite> site;
    std::unique_ptr<UserControl> control;
    std::unique_ptr<TextBoxModel> ownBox;
    std::string name;
  };

  HeadlessSite& AddSite(const std::string& name);
  // A hook or life cycle that fails takes the new site away again, so that
  // no box of the unplaced control stays in the tab order.
  template <class Control>
  void RunBeforeLifeCycle(const std::function<void(Control&)>& hook, Control& control) {
    if (!hook) return;
    try {
      hook(control);
    } catch (...) {
      Unplace();
      throw;
    }
  }
  void Site(std::unique_ptr<UserControl> control, PropertyBag* saved);
  void Unplace();
  std::vector<TextBoxModel*> TabOrder() const;
  const Entry* EntryOf(const TextBoxModel* box) const;
  void MoveFocus(TextBoxModel* next);
  void Process(const Keystroke& key);
  template <class Action>
  void AsThePerson(Action&& action);

  MessageBox& messages_;
  std::string caption_;
  StdFont ambientFont_;
  bool userMode_ = true;
  std::vector<Entry> entries_;
  TextBoxModel* focused_ = nullptr;
  std::deque<Keystroke> queue_;
};

}  // namespace gridkit::host
