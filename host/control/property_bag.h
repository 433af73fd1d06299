#pragma once
// The container's property bag: the saved state of one control, by property
// name, in the order written. Its JSON text keeps it between runs.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/control/property_value.h"

namespace gridkit::host {

class PropertyBag {
 public:
  // The stored value, else the default.
  PropertyValue ReadProperty(std::string_view name, const PropertyValue& defaultValue) const;
  // A value equal to the default (same kind and value) is left out, and any
  // value stored before under the name is dropped.
  void WriteProperty(std::string_view name, const PropertyValue& value,
                     const PropertyValue& defaultValue);

  bool Has(std::string_view name) const;
  const std::vector<std::pair<std::string, PropertyValue>>& Entries() const { return entries_; }

  // A JSON object, one member per stored property: Booleans, numbers and
  // texts as such, fonts as objects, pictures as {"Picture": hex bytes},
  // nothing as null.
  std::string ToJson() const;
  // Raises "Invalid property value" (380) for a text that is not such an
  // object.
  static PropertyBag FromJson(std::string_view json);

 private:
  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

}  // namespace gridkit::host
