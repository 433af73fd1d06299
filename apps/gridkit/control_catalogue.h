#pragma once
// The controls gridkit keys can place on its form, by the name the command
// line gives them. A new control adds one entry.

#include <span>
#include <string>
#include <string_view>

#include "apps/gridkit/event_log.h"
#include "host/control/headless_form.h"
#include "host/control/property_bag.h"
#include "host/control/user_control.h"

namespace gridkit::cli {

struct CatalogueEntry {
  std::string_view name;      // on the command line: "feskadel"
  std::string_view siteName;  // on the form: "Feskadel1"
  // Places the control under siteName, from saved when it is not null, with
  // every event of the control recorded in log from the life cycle on.
  host::UserControl& (*place)(host::HeadlessForm& form, const std::string& siteName,
                              host::PropertyBag* saved, EventLog& log);
};

std::span<const CatalogueEntry> ControlCatalogue();

// Raises UsageError, listing the known names, for a name the catalogue does
// not hold.
const CatalogueEntry& CatalogueEntryNamed(std::string_view name);

}  // namespace gridkit::cli
