#pragma once
// A form of the host, as a report job measures the host's screen with it.

#include <string_view>

namespace gridkit::host {

class HostForm {
 public:
  virtual ~HostForm() = default;
  // The text's width in the form's current font and scale (twips here).
  virtual double TextWidth(std::string_view text) const = 0;
};

}  // namespace gridkit::host
