#include "host/spreadsheet/model/csv_reading.h"

#include "host/text/csv_records.h"

namespace gridkit::host {

void ReadCsvInto(std::istream& input, WorksheetModel& sheet) {
  CsvRecords records(input);
  int32_t row = 0;
  while (auto record = records.Next()) {
    ++row;
    int32_t col = 0;
    for (const std::string& field : *record) {
      ++col;
      if (!field.empty()) sheet.SetFormulaR1C1(CellArea::Cell(row, col), field);
    }
  }
}

}  // namespace gridkit::host
