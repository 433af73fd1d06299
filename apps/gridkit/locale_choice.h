#pragma once
// The regional settings that a --locale option names.

#include <string>

#include "host/regional/regional_settings.h"

namespace gridkit::cli {

// The machine's settings for an empty name; raises UsageError for a name
// that names no locale.
host::RegionalSettings RegionalSettingsNamed(const std::string& name);

}  // namespace gridkit::cli
