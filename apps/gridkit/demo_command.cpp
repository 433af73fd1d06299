#include "apps/gridkit/demo_command.h"

#include <filesystem>

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/command_line.h"
#include "apps/gridkit/grid_json_loader.h"
#include "apps/gridkit/locale_choice.h"
#include "apps/gridkit/stderr_message_box.h"
#include "apps/gridkit/usage_text.h"
#include "apps/gridkit/workbook_export.h"

namespace gridkit::cli {

namespace {

constexpr const char* kDefaultOutDir = "gridkit-demo";
constexpr const char* kWorkbookName = "gridkit-demo.xlsx";
// The sample's dates are written day first.
constexpr const char* kSampleLocale = "en_GB";

}  // namespace

int RunDemoCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandOptions options(args, {"out-dir", "sample", "locale"});
  if (options.HelpAsked()) {
    out << UsageText();
    return kExitCompleted;
  }
  const std::filesystem::path dir = options.Get("out-dir", kDefaultOutDir);
  if (dir.empty()) throw UsageError("--out-dir needs a folder name");

  WorkbookExport request;
  request.regional = RegionalSettingsNamed(options.Get("locale", kSampleLocale));
  host::FlexGridModel grid =
      LoadGridJson(options.Get("sample", std::string(GRIDKIT_SAMPLES_DIR) + "/sales.json"));
  request.head1 = "Sales by region";
  request.head2 = "December 2026";

  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    err << "gridkit: cannot create the folder " << dir.string() << ": " << ec.message() << "\n";
    return kExitFailed;
  }
  const std::filesystem::path workbook = std::filesystem::absolute(dir / kWorkbookName);
  request.outPath = workbook.string();

  StderrMessageBox messages(err);
  ExportGridToWorkbook(grid, request, messages);
  if (messages.Count() != 0) return kExitFailed;
  out << workbook.string() << "\n";
  return kExitCompleted;
}

}  // namespace gridkit::cli
