#pragma once
// A host form whose font gives every character the same width, "W" by
// default 165 twips (11 pixels at 96 dots per inch, as MS Sans Serif 8).

#include "host/printer/host_form.h"

namespace gridkit::host {

class HostFormModel : public HostForm {
 public:
  explicit HostFormModel(double characterWidth = 165) : characterWidth_(characterWidth) {}
  double TextWidth(std::string_view text) const override;

 private:
  double characterWidth_;
};

}  // namespace gridkit::host
