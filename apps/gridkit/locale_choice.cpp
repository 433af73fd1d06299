#include "apps/gridkit/locale_choice.h"

#include "apps/gridkit/cli_errors.h"
#include "host/error.h"
#include "platform/qt/regional_settings_qt.h"

namespace gridkit::cli {

host::RegionalSettings RegionalSettingsNamed(const std::string& name) {
  try {
    return platform::RegionalSettingsForLocale(name);
  } catch (const host::Error&) {
    throw UsageError("unknown locale '" + name + "' (use a name such as en_GB, en_US or de_DE)");
  }
}

}  // namespace gridkit::cli
