#pragma once
// The events a control raised to the host, in order, each as its name with
// its arguments: "KeyDown(49, 0)", "Validate(False)", "Change".

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "host/control/property_value.h"

namespace gridkit::cli {

class EventLog {
 public:
  // Arguments are shown as their text form (numbers plain, Booleans as True
  // and False), separated by ", ".
  void Record(std::string_view event, std::initializer_list<host::PropertyValue> args = {});

  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

}  // namespace gridkit::cli
