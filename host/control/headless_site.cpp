#include "host/control/headless_site.h"

#include "host/control/headless_form.h"
#include "host/error.h"

namespace gridkit::host {

HeadlessSite::HeadlessSite(HeadlessForm& form, std::string name)
    : form_(form), name_(std::move(name)) {}

TextBox& HeadlessSite::AddTextBox(const std::string& name) {
  ownedTextBoxes_.push_back({name, std::make_unique<TextBoxModel>()});
  TextBoxModel& box = *ownedTextBoxes_.back().model;
  textBoxes_.push_back(&box);
  box.focusRequest = [this, &box] { form_.Focus(box); };
  return box;
}

Label& HeadlessSite::AddLabel(const std::string& name) {
  labels_.push_back({name, std::make_unique<LabelModel>()});
  return *labels_.back().model;
}

Shape& HeadlessSite::AddShape(const std::string& name) {
  shapes_.push_back({name, std::make_unique<ShapeModel>()});
  return *shapes_.back().model;
}

StdFont HeadlessSite::AmbientFont() const {
  return form_.AmbientFont();
}

bool HeadlessSite::AmbientUserMode() const {
  return form_.UserMode();
}

PropertyValue HeadlessSite::Extender(std::string_view name) const {
  if (name == "Name") return name_;
  if (name == "Width") return surface_.Width();
  if (name == "Height") return surface_.Height();
  if (!control_) throw Error::Standard(err::kObjectNotSet);
  return control_->GetProperty(name);
}

void HeadlessSite::PropertyChanged(std::string_view name) {
  changed_.emplace_back(name);
}

void HeadlessSite::SendKeys(std::string_view keys) {
  form_.QueueKeys(keys);
}

void HeadlessSite::MsgBox(const std::string& text) {
  form_.Messages().Show(text, MsgButtons::OKOnly, MsgIcon::None, {});
}

TextBoxModel* HeadlessSite::TextBoxNamed(std::string_view name) const {
  return FindNamed(ownedTextBoxes_, name);
}

LabelModel* HeadlessSite::LabelNamed(std::string_view name) const {
  return FindNamed(labels_, name);
}

ShapeModel* HeadlessSite::ShapeNamed(std::string_view name) const {
  return FindNamed(shapes_, name);
}

}  // namespace gridkit::host
