#include "export/workbook_frame.h"

#include "host/text/blanks.h"
#include "host/text/column_letters.h"

namespace gridkit::sheet {

WorkbookFrame::WorkbookFrame(const host::SpreadsheetFactory& factory, host::MessageBox& messages,
                             const host::RegionalSettings& regional, FrameStyle style)
    : factory_(factory), regional_(regional), style_(style), trap_(messages, kExcelPostingTitle) {
  if (style_.onFailure != FailureMode::Continue) {
    trap_.setBeforeReport([this] { DropReferences(); });
  }
}

void WorkbookFrame::DropReferences() {
  sheet_ = nullptr;
  workbook_ = nullptr;
  application_.reset();
}

host::Worksheet& WorkbookFrame::Sheet() {
  if (sheet_ == nullptr) throw host::Error::Standard(host::err::kObjectNotSet);
  return *sheet_;
}

host::Range WorkbookFrame::CellAt(int32_t code, int32_t row) {
  return CellsOnRow(code, code, row);
}

host::Range WorkbookFrame::CellsOnRow(int32_t firstCode, int32_t lastCode, int32_t row) {
  host::Worksheet& sheet = Sheet();
  const int32_t first = firstCode - 64;
  const int32_t last = lastCode - 64;
  if (first < 1 || last > host::kLastSheetColumn || row < 1 || row > host::kLastSheetRow) {
    // The reference text names no cell; the sheet reports it.
    return sheet.Range(host::ColumnLetters(first) + std::to_string(row) + ":" +
                       host::ColumnLetters(last) + std::to_string(row));
  }
  return host::Range(sheet, host::CellArea{row, first, row, last, false});
}

host::Range WorkbookFrame::CellsInColumn(int32_t code, int32_t firstRow, int32_t lastRow) {
  const std::string letters = host::ColumnLetters(code - 64);
  return Sheet().Range(letters + std::to_string(firstRow) + ":" + letters +
                       std::to_string(lastRow));
}

host::Range WorkbookFrame::WholeColumn(int32_t code) {
  const std::string letters = host::ColumnLetters(code - 64);
  return Sheet().Range(letters + ":" + letters);
}

void WorkbookFrame::Run(std::string_view head1, std::string_view head2, const Walk& walk,
                        const FontSource& font) {
  const bool hasHead1 = !host::IsBlankText(head1);
  const bool hasHead2 = !host::IsBlankText(head2);
  try {
    Step([&] {
      application_ = factory_();
      if (!application_) throw host::Error::Standard(host::err::kCannotCreateObject);
      workbook_ = &application_->Workbooks().Add();
      sheet_ = &workbook_->Sheets().Item(1);
    });

    sheetRow = 1;
    if (hasHead1) {
      Step([&] { Sheet().Range("A" + std::to_string(sheetRow)).setFormulaR1C1(head1); });
      ++sheetRow;
    }
    if (hasHead2) {
      Step([&] { Sheet().Range("A" + std::to_string(sheetRow)).setFormulaR1C1(head2); });
      ++sheetRow;
    }
    if (hasHead1 || hasHead2) ++sheetRow;  // one empty row under the headings

    columnCode = kFirstColumnCode;
    Step([&] {
      Sheet();  // without a sheet the walk has nothing to write into
      walk(*this);
    });

    std::string lastLetters;
    Step([&] { lastLetters = host::ColumnLetters(columnCode - 65); });

    Step([&] {
      const SheetFont sheetFont = font();
      host::Range used = Sheet().Range("A:" + lastLetters);
      used.Font().setName(sheetFont.name);
      used.Font().setSize(sheetFont.size);
      if (sheetFont.color) used.Font().setColor(*sheetFont.color);
    });

    auto formatHeading = [&](int32_t row, double size) {
      const std::string r = std::to_string(row);
      host::Range heading = Sheet().Range("A" + r + ":" + lastLetters + r);
      heading.Font().setBold(true);
      heading.Font().setSize(size);
      heading.Merge();
      heading.setHorizontalAlignment(host::xl::kCenter);
      heading.setVerticalAlignment(host::xl::kCenter);
    };
    if (hasHead1) Step([&] { formatHeading(1, style_.firstHeadingSize); });
    // The second heading stands in row 1 when there is no first.
    if (hasHead2) Step([&] { formatHeading(hasHead1 ? 2 : 1, style_.secondHeadingSize); });

    Step([&] {
      if (!application_) throw host::Error::Standard(host::err::kObjectNotSet);
      application_->setVisible(true);
    });
  } catch (const Ended&) {
    // The failure has been reported and the references dropped.
  }
  DropReferences();
}

}  // namespace gridkit::sheet
