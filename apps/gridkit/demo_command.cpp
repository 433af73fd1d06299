#include "apps/gridkit/demo_command.h"

#include <filesystem>
#include <iostream>

#include "apps/gridkit/answering_message_box.h"
#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/command_line.h"
#include "apps/gridkit/grid_json_loader.h"
#include "apps/gridkit/locale_choice.h"
#include "apps/gridkit/report_print.h"
#include "apps/gridkit/stderr_message_box.h"
#include "apps/gridkit/usage_text.h"
#include "apps/gridkit/workbook_export.h"

namespace gridkit::cli {

namespace {

constexpr const char* kDefaultOutDir = "gridkit-demo";
constexpr const char* kWorkbookName = "gridkit-demo.xlsx";
constexpr const char* kReportName = "gridkit-demo.pdf";
// The sample's dates are written day first.
constexpr const char* kSampleLocale = "en_GB";
constexpr const char* kHead1 = "Sales by region";
constexpr const char* kHead2 = "December 2026";

// The report's features on the sample: its group and total rows are both
// marked bold in every cell, so both checks find both kinds; the group check
// prints them bold, the total check rules them off. Both look at the first
// column, which every sample has. Twelve points with a deep top margin
// spread the sample over two landscape pages.
print::ReportOptions DemoReportOptions() {
  print::ReportOptions options;
  options.LineBetnCol = true;
  options.GpHeadDiffBy = print::HBold;
  options.GpHeadCol = 0;
  options.GroupsDiffOn = print::GBold;
  options.TotalDiffBy = print::HBold;
  options.TotalCol = 0;
  options.TotalDiffOn = print::GLine;
  options.CompanyName = "Gridkit Stationery Ltd";
  options.CompanyAddress = "12 Market Street, Leeds";
  options.PageHead1 = kHead1;
  options.PageHead2 = kHead2;
  options.LngFontSize = 12;
  options.TopMargin = 10;
  return options;
}

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
  request.head1 = kHead1;
  request.head2 = kHead2;

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

  ReportPrint report;
  report.printer = kPdfPrinterName;
  report.pdfPath = std::filesystem::absolute(dir / kReportName).string();
  report.regional = request.regional;
  report.options = DemoReportOptions();
  // Nobody is asked: a report too wide for the paper goes landscape.
  AnsweringMessageBox landscape(BoxAnswer::Yes, {std::cin}, err);
  const std::string result = PrintGridReport(grid, report, landscape);
  if (!result.empty()) {
    err << "gridkit: " << result << "\n";
    return kExitFailed;
  }
  out << report.pdfPath << "\n";
  return kExitCompleted;
}

}  // namespace gridkit::cli
