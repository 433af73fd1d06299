#pragma once
// Reading a comma-separated file into a sheet, one line a row, each field
// taken as typed input. Quoted fields ("a, b", doubled quotes) are
// understood; lines may end with CR LF or LF.

#include <istream>

#include "host/spreadsheet/model/worksheet_model.h"

namespace gridkit::host {

void ReadCsvInto(std::istream& input, WorksheetModel& sheet);

}  // namespace gridkit::host
