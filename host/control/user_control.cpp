#include "host/control/user_control.h"

#include "host/error.h"

namespace gridkit::host {

PropertyValue UserControl::GetProperty(std::string_view /*name*/) const {
  throw Error::Standard(err::kNotSupported);
}

void UserControl::SetProperty(std::string_view /*name*/, const PropertyValue& /*value*/) {
  throw Error::Standard(err::kNotSupported);
}

}  // namespace gridkit::host
