#include "apps/gridkit/grid_source.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/grid_csv_loader.h"
#include "apps/gridkit/grid_json_loader.h"
#include "apps/gridkit/grid_sqlite_loader.h"

namespace gridkit::cli {

host::FlexGridModel LoadGridFromSource(const CommandOptions& options) {
  const int sources = options.Has("grid") + options.Has("csv") + options.Has("sqlite");
  if (sources != 1) throw UsageError("give exactly one of --grid, --csv or --sqlite");
  if (options.Has("sqlite") != options.Has("query")) {
    throw UsageError("--sqlite and --query go together");
  }
  if (options.Has("grid")) return LoadGridJson(options.Get("grid"));
  if (options.Has("csv")) return LoadGridCsv(options.Get("csv"));
  return LoadGridSqlite(options.Get("sqlite"), options.Get("query"));
}

}  // namespace gridkit::cli
