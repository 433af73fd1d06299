#pragma once
// A user control as the container drives it: its life cycle, and its public
// properties read and set by name (the dispatch side of its interface).

#include <cstdint>
#include <string_view>

#include "host/control/property_bag.h"
#include "host/control/property_value.h"

namespace gridkit::host {

class UserControl {
 public:
  struct Size {
    int32_t width = 0;
    int32_t height = 0;
  };

  virtual ~UserControl() = default;

  // The size a new instance is placed at, in twips.
  virtual Size DesignedSize() const { return {}; }

  // Called in this order: Initialize; InitProperties (a new instance) or
  // ReadProperties (saved state); Resize; Show. GotFocus and ExitFocus as
  // the focus enters the control or leaves it and all its constituents;
  // WriteProperties at each save.
  virtual void Initialize() {}
  virtual void InitProperties() {}
  virtual void ReadProperties(PropertyBag& /*bag*/) {}
  virtual void Resize() {}
  virtual void Show() {}
  virtual void GotFocus() {}
  virtual void ExitFocus() {}
  virtual void WriteProperties(PropertyBag& /*bag*/) {}

  // A public property by name, as the Extender and late-bound callers reach
  // it. Unknown names raise "Object doesn't support this property or method".
  virtual PropertyValue GetProperty(std::string_view name) const;
  virtual void SetProperty(std::string_view name, const PropertyValue& value);
};

}  // namespace gridkit::host
