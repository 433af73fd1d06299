#include "apps/gridkit/report_print.h"

#include "host/printer/host_form_model.h"
#include "platform/qt/gui_session.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/system_clock.h"
#include "print/caldrino.h"

namespace gridkit::cli {

std::string PrintGridReport(host::FlexGrid& grid, ReportPrint& request,
                            host::MessageBox& messages) {
  const platform::GuiSession session;
  platform::QtPrinters printers;
  if (!request.pdfPath.empty()) printers.SetPdfOutput(request.pdfPath);
  host::HostFormModel form(request.hostWWidth);
  const platform::SystemClock clock;

  print::Caldrino caldrino(printers, messages, clock, request.regional);
  caldrino.setFgrid(&grid);
  caldrino.setActFrm(&form);
  return caldrino.PrintFromFlexGrid(request.printer, request.options);
}

}  // namespace gridkit::cli
