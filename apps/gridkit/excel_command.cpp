#include "apps/gridkit/excel_command.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/command_line.h"
#include "apps/gridkit/grid_csv_loader.h"
#include "apps/gridkit/grid_json_loader.h"
#include "apps/gridkit/grid_sqlite_loader.h"
#include "apps/gridkit/locale_choice.h"
#include "apps/gridkit/stderr_message_box.h"
#include "apps/gridkit/usage_text.h"
#include "apps/gridkit/workbook_export.h"

namespace gridkit::cli {

namespace {

host::FlexGridModel LoadGrid(const CommandOptions& options) {
  const int sources = options.Has("grid") + options.Has("csv") + options.Has("sqlite");
  if (sources != 1) throw UsageError("give exactly one of --grid, --csv or --sqlite");
  if (options.Has("sqlite") != options.Has("query")) {
    throw UsageError("--sqlite and --query go together");
  }
  if (options.Has("grid")) return LoadGridJson(options.Get("grid"));
  if (options.Has("csv")) return LoadGridCsv(options.Get("csv"));
  return LoadGridSqlite(options.Get("sqlite"), options.Get("query"));
}

}  // namespace

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
  host::FlexGridModel grid = LoadGrid(options);
  request.head1 = options.Get("head1");
  request.head2 = options.Get("head2");
  request.outPath = options.Get("out");

  StderrMessageBox messages(err);
  ExportGridToWorkbook(grid, request, messages);
  return messages.Count() == 0 ? kExitCompleted : kExitFailed;
}

}  // namespace gridkit::cli
