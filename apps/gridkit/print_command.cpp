#include "apps/gridkit/print_command.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/command_line.h"
#include "apps/gridkit/grid_source.h"
#include "apps/gridkit/locale_choice.h"
#include "apps/gridkit/report_flags.h"
#include "apps/gridkit/report_print.h"
#include "apps/gridkit/usage_text.h"

namespace gridkit::cli {

int RunPrintCommand(std::span<const std::string> args, AnswerInput input, std::ostream& out,
                    std::ostream& err) {
  const CommandOptions options(args,
                               {"grid",
                                "csv",
                                "sqlite",
                                "query",
                                "printer",
                                "pdf",
                                "locale",
                                "landscape",
                                "host-w-width",
                                "gp-head-diff-by",
                                "gp-head-col",
                                "total-diff-by",
                                "total-col",
                                "page-head1",
                                "page-head2",
                                "company-name",
                                "company-address",
                                "groups-diff-on",
                                "total-diff-on",
                                "left-margin",
                                "top-margin",
                                "font-size"},
                               {},
                               {"line-betn-col", "line-betn-row", "no-line-req-for-head",
                                "no-line-on-page-break", "no-print-date"});
  if (options.HelpAsked()) {
    out << UsageText();
    return kExitCompleted;
  }
  ReportPrint request;
  request.printer = options.Get("printer");
  if (request.printer.empty()) throw UsageError("--printer NAME is required");
  request.pdfPath = options.Get("pdf");
  const bool pdfPrinter = request.printer == kPdfPrinterName;
  if (pdfPrinter && request.pdfPath.empty()) {
    throw UsageError("--printer PDF needs --pdf FILE.pdf");
  }
  if (!pdfPrinter && options.Has("pdf")) throw UsageError("--pdf goes with --printer PDF");
  request.options = ReadReportOptions(options);
  request.hostWWidth = ReadHostWWidth(options, kDefaultHostWWidth);
  const BoxAnswer landscape = ReadLandscapeAnswer(options);
  request.regional = RegionalSettingsNamed(options.Get("locale"));
  host::FlexGridModel grid = LoadGridFromSource(options);

  AnsweringMessageBox questions(landscape, input, err);
  const std::string result = PrintGridReport(grid, request, questions);
  if (result.empty()) return kExitCompleted;
  err << "gridkit: " << result << "\n";
  return kExitFailed;
}

}  // namespace gridkit::cli
