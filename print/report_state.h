#pragma once
// What the print class keeps while a job runs, shared by its routines. All
// lengths are in the printer's character units.

#include <cstdint>
#include <optional>
#include <vector>

#include "host/std_font.h"

namespace gridkit::print {

struct ReportState {
  double MLeft = 0;
  double MTop = 0;
  double LineGap = 0.1;  // under every printed line and after every rule
  double ColGap = 0.4;   // between adjacent columns
  double CurX = 0;
  double CurY = 0;
  double CharHeight = 0;
  double CharWidth = 0;
  double PageHeight = 0;
  double PrintWidth = 0;
  // One entry per printed column, in print order.
  std::vector<double> ColIndex;  // the source's column number
  std::vector<double> ColWid;
  std::vector<int32_t> ColChars;
  std::vector<int32_t> ColAlign;  // 0 left, 1 right, 2 centre
  bool LineDrawn = false;         // a rule has just been drawn at CurY
  double BandTop = 0;             // where the current row's vertical rules start
  // Created on first use and kept for the life of the print object.
  std::optional<host::StdFont> RptFont;
};

}  // namespace gridkit::print
