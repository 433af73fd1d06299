#include "host/control/property_bag.h"

#include <algorithm>

namespace gridkit::host {

// Names compare exactly, case included: a control reads back the names it
// wrote.

PropertyValue PropertyBag::ReadProperty(std::string_view name,
                                        const PropertyValue& defaultValue) const {
  for (const auto& [key, value] : entries_) {
    if (key == name) return value;
  }
  return defaultValue;
}

void PropertyBag::WriteProperty(std::string_view name, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const auto& entry) { return entry.first == name; });
  if (SameValue(value, defaultValue)) {
    // The default is what a read without an entry gives: keep the bag small.
    if (found != entries_.end()) entries_.erase(found);
    return;
  }
  if (found != entries_.end()) {
    found->second = value;
  } else {
    entries_.emplace_back(std::string(name), value);
  }
}

bool PropertyBag::Has(std::string_view name) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const auto& entry) { return entry.first == name; });
}

}  // namespace gridkit::host
