#pragma once
// Feskadel on the form of gridkit keys, with all its events recorded.

#include <string>

#include "apps/gridkit/event_log.h"
#include "host/control/headless_form.h"
#include "host/control/property_bag.h"
#include "host/control/user_control.h"

namespace gridkit::cli {

host::UserControl& PlaceFeskadel(host::HeadlessForm& form, const std::string& siteName,
                                 host::PropertyBag* saved, EventLog& log);

}  // namespace gridkit::cli
