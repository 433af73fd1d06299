#pragma once
// Caldrino: prints a host's flexible grid, list view or data grid as a
// paginated report on a printer chosen by device name. Each method runs one
// whole job and returns "" when it printed to the end, else the reason: a
// fixed result text, or the description of the failure that stopped it.

#include <string>

#include "host/grid/data_grid.h"
#include "host/grid/flex_grid.h"
#include "host/grid/list_view.h"
#include "host/message/message_box.h"
#include "host/printer/host_form.h"
#include "host/printer/printer.h"
#include "host/regional/clock.h"
#include "host/regional/regional_settings.h"
#include "print/report_options.h"
#include "print/report_state.h"

namespace gridkit::print {

class Caldrino {
 public:
  // The printers, the box for the landscape questions, the clock of the date
  // line and the regional settings its date is written in.
  Caldrino(host::Printers& printers, host::MessageBox& messages, const host::Clock& clock,
           host::RegionalSettings regional = host::RegionalSettings::Default());

  // The sources and the host form, borrowed: plain references the class
  // never clears.
  host::FlexGrid* Fgrid() const { return fgrid_; }
  void setFgrid(host::FlexGrid* grid) { fgrid_ = grid; }
  host::ListView* ListV() const { return listV_; }
  void setListV(host::ListView* listView) { listV_ = listView; }
  host::DataGrid* DGrid() const { return dGrid_; }
  void setDGrid(host::DataGrid* grid) { dGrid_ = grid; }
  // Only its width of "W" is used, to read the grid's column widths.
  host::HostForm* ActFrm() const { return actFrm_; }
  void setActFrm(host::HostForm* form) { actFrm_ = form; }

  // A LngFontSize below 8 is raised to 8 in the caller's options too.
  std::string PrintFromFlexGrid(const std::string& PrName, ReportOptions& options);
  std::string PrintFromFlexGrid(const std::string& PrName);

 private:
  host::Printers& printers_;
  host::MessageBox& messages_;
  const host::Clock& clock_;
  host::RegionalSettings regional_;
  host::FlexGrid* fgrid_ = nullptr;
  host::ListView* listV_ = nullptr;
  host::DataGrid* dGrid_ = nullptr;
  host::HostForm* actFrm_ = nullptr;
  ReportState state_;
};

}  // namespace gridkit::print
