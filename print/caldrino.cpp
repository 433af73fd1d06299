#include "print/caldrino.h"

#include "host/error.h"
#include "print/build_variant.h"
#include "print/flex_grid_report.h"
#include "print/print_job_frame.h"
#include "print/report_job.h"

namespace gridkit::print {

Caldrino::Caldrino(host::Printers& printers, host::MessageBox& messages, const host::Clock& clock,
                   host::RegionalSettings regional)
    : printers_(printers), messages_(messages), clock_(clock), regional_(std::move(regional)) {}

std::string Caldrino::PrintFromFlexGrid(const std::string& PrName) {
  ReportOptions defaults;
  return PrintFromFlexGrid(PrName, defaults);
}

std::string Caldrino::PrintFromFlexGrid(const std::string& PrName, ReportOptions& options) {
  return RunPrintJob(printers_, PrName, [&](host::Printer& printer, bool& started) {
    if (!fgrid_) throw host::Error::Standard(host::err::kObjectNotSet);
    host::FlexGrid& grid = *fgrid_;
    if (grid.Rows() == grid.FixedRows()) return std::string(result::kNoDataOnGrid);
    if (options.LngFontSize < 8) options.LngFontSize = 8;

    ReportJob job(state_, printer, options, options.LngFontSize, {messages_, clock_, regional_});
    FlexGridReport report(grid, job);
    job.SetUpPage();
    report.FlexColumns(actFrm_);
    if (!job.CheckWidth()) return std::string(result::kPaperWidthExceeds);

    job.Begin();
    started = true;
    job.FirstPageBlock(report);
    report.PrintBody();
    job.EndOfJob(kKillDocAfterEndDoc);
    return std::string();
  });
}

}  // namespace gridkit::print
