#pragma once
// The headless form's site for one user control: owns the control's surface
// and constituents and answers its container calls from the form.

#include <memory>
#include <string>
#include <vector>

#include "host/control/control_site.h"
#include "host/control/control_surface_model.h"
#include "host/control/label_model.h"
#include "host/control/shape_model.h"
#include "host/control/text_box_model.h"
#include "host/control/user_control.h"

namespace gridkit::host {

class HeadlessForm;

class HeadlessSite : public ControlSite {
 public:
  HeadlessSite(HeadlessForm& form, std::string name);

  ControlSurface& Surface() override { return surface_; }
  TextBox& AddTextBox(const std::string& name) override;
  Label& AddLabel(const std::string& name) override;
  Shape& AddShape(const std::string& name) override;
  StdFont AmbientFont() const override;
  bool AmbientUserMode() const override;
  // The Extender's own Name, Width and Height, else the control's property.
  PropertyValue Extender(std::string_view name) const override;
  void PropertyChanged(std::string_view name) override;
  void SendKeys(std::string_view keys) override;
  void MsgBox(const std::string& text) override;

  const std::string& Name() const { return name_; }
  ControlSurfaceModel& SurfaceModel() { return surface_; }
  void Attach(UserControl& control) { control_ = &control; }

  // Constituents by name, null when there is none of that name.
  TextBoxModel* TextBoxNamed(std::string_view name) const;
  LabelModel* LabelNamed(std::string_view name) const;
  ShapeModel* ShapeNamed(std::string_view name) const;
  const std::vector<TextBoxModel*>& TextBoxes() const { return textBoxes_; }

  // The names given to PropertyChanged since the last ClearDirty, in order.
  const std::vector<std::string>& ChangedProperties() const { return changed_; }
  bool Dirty() const { return !changed_.empty(); }
  void ClearDirty() { changed_.clear(); }

 private:
  template <class Model>
  struct Named {
    std::string name;
    std::unique_ptr<Model> model;
  };
  template <class Model>
  static Model* FindNamed(const std::vector<Named<Model>>& all, std::string_view name) {
    for (const Named<Model>& item : all) {
      if (item.name == name) return item.model.get();
    }
    return nullptr;
  }

  HeadlessForm& form_;
  std::string name_;
  ControlSurfaceModel surface_;
  UserControl* control_ = nullptr;
  std::vector<Named<TextBoxModel>> ownedTextBoxes_;
  std::vector<TextBoxModel*> textBoxes_;
  std::vector<Named<LabelModel>> labels_;
  std::vector<Named<ShapeModel>> shapes_;
  std::vector<std::string> changed_;
};

}  // namespace gridkit::host
