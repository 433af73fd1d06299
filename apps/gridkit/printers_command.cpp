#include "apps/gridkit/printers_command.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/command_line.h"
#include "apps/gridkit/usage_text.h"
#include "platform/qt/gui_session.h"
#include "platform/qt/qt_printers.h"

namespace gridkit::cli {

int RunPrintersCommand(std::span<const std::string> args, std::ostream& out) {
  const CommandOptions options(args, {});
  if (options.HelpAsked()) {
    out << UsageText();
    return kExitCompleted;
  }
  const platform::GuiSession session;
  platform::QtPrinters printers;
  for (int32_t i = 0; i < printers.Count(); ++i) {
    out << printers.Item(i).DeviceName() << "\n";
  }
  return kExitCompleted;
}

}  // namespace gridkit::cli
