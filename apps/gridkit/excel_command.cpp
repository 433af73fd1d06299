#include "apps/gridkit/excel_command.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/command_line.h"
#include "apps/gridkit/grid_source.h"
#include "apps/gridkit/locale_choice.h"
#include "apps/gridkit/stderr_message_box.h"
#include "apps/gridkit/usage_text.h"
#include "apps/gridkit/workbook_export.h"

namespace gridkit::cli {

int RunExcelCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandOptions options(
      args, {"grid", "csv", "sqlite", "query", "head1", "head2", "locale", "out"});
  if (options.HelpAsked()) {
    out << UsageText();
    return kExitCompleted;
  }
  if (options.Get("out").empty()) throw UsageError("--out FILE.xlsx is required");

  WorkbookExport request;
  request.regional = RegionalSettingsNamed(options.Get("locale"));
  host::FlexGridModel grid = LoadGridFromSource(options);
  request.head1 = options.Get("head1");
  request.head2 = options.Get("head2");
  request.outPath = options.Get("out");

  StderrMessageBox messages(err);
  ExportGridToWorkbook(grid, request, messages);
  return messages.Count() == 0 ? kExitCompleted : kExitFailed;
}

}  // namespace gridkit::cli
