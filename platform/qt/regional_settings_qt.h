#pragma once
// Regional settings read from a Qt locale.

#include <string>

#include "host/regional/regional_settings.h"

namespace gridkit::platform {

// The settings of a locale by name ("en_GB", "en_US", "de_DE" ...); the
// machine's own when the name is empty. Raises host::Error for a name that
// names no locale.
host::RegionalSettings RegionalSettingsForLocale(const std::string& name);

}  // namespace gridkit::platform
