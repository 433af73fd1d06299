#pragma once
// What the container gives a user control: its surface, its constituents,
// the ambient properties, the Extender, the dirty mark, key injection and
// the plain message box.

#include <memory>
#include <string>
#include <string_view>

#include "host/control/control_surface.h"
#include "host/control/label.h"
#include "host/control/property_value.h"
#include "host/control/shape.h"
#include "host/control/text_box.h"
#include "host/std_font.h"

namespace gridkit::host {

class ControlSite {
 public:
  virtual ~ControlSite() = default;

  virtual ControlSurface& Surface() = 0;
  // Constituents, created in tab order; the site owns them.
  virtual TextBox& AddTextBox(const std::string& name) = 0;
  virtual Label& AddLabel(const std::string& name) = 0;
  virtual Shape& AddShape(const std::string& name) = 0;

  // Ambient: the container's font, and false while the host form is being
  // designed.
  virtual StdFont AmbientFont() const = 0;
  virtual bool AmbientUserMode() const = 0;

  // The control's current value of one of its own public properties, read
  // through the container's wrapper.
  virtual PropertyValue Extender(std::string_view name) const = 0;

  // Marks the saved state dirty.
  virtual void PropertyChanged(std::string_view name) = 0;

  // Queues synthetic keys for the focused window, in the SendKeys syntax;
  // they are processed after the current key's handler returns and its
  // character is applied.
  virtual void SendKeys(std::string_view keys) = 0;

  // A box with the text only: OK, no icon, the toolkit's default title.
  virtual void MsgBox(const std::string& text) = 0;
};

}  // namespace gridkit::host
