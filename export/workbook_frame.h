#pragma once
// What every grid export shares: a new spreadsheet instance with a new
// workbook, the heading rows, the sheet font, the merged headings, showing
// the result, and one trap that reports each failing step and goes on. A
// walk over one kind of grid fills the sheet between the heading rows and
// the finishing steps.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/message/step_trap.h"
#include "host/regional/regional_settings.h"
#include "host/spreadsheet/spreadsheet_application.h"

namespace gridkit::sheet {

// What a failure does to the export besides its message box.
enum class FailureMode {
  Continue,          // go on with the next step
  DropThenContinue,  // drop the spreadsheet references first, then go on
  DropThenReturn,    // drop the spreadsheet references, then end the export
};

struct FrameStyle {
  double firstHeadingSize = 13;
  double secondHeadingSize = 11;
  FailureMode onFailure = FailureMode::Continue;
};

// The grid's font for the used columns; no colour leaves the colour alone.
struct SheetFont {
  std::string name;
  double size = 0;
  std::optional<uint32_t> color;
};

inline constexpr const char* kExcelPostingTitle = "Excel Posting";
// Column code of column A: code = column number + 64.
inline constexpr int32_t kFirstColumnCode = 65;

class WorkbookFrame {
 public:
  WorkbookFrame(const host::SpreadsheetFactory& factory, host::MessageBox& messages,
                const host::RegionalSettings& regional, FrameStyle style);

  using Walk = std::function<void(WorkbookFrame&)>;
  using FontSource = std::function<SheetFont()>;

  // The whole export: spreadsheet objects, headings, the walk, last column
  // letters, sheet font, heading merges, visible.
  void Run(std::string_view head1, std::string_view head2, const Walk& walk,
           const FontSource& font);

  // For the walks.
  template <class F>
  bool Step(F&& step);
  host::Worksheet& Sheet();  // raises error 91 when there is none
  host::Range CellAt(int32_t columnCode, int32_t row);
  host::Range CellsOnRow(int32_t firstCode, int32_t lastCode, int32_t row);
  host::Range CellsInColumn(int32_t columnCode, int32_t firstRow, int32_t lastRow);
  host::Range WholeColumn(int32_t columnCode);
  const host::RegionalSettings& Regional() const { return regional_; }

  int32_t sheetRow = 1;
  int32_t columnCode = kFirstColumnCode;

 private:
  struct Ended {};  // a failure that ends the export

  void DropReferences();

  const host::SpreadsheetFactory& factory_;
  const host::RegionalSettings& regional_;
  FrameStyle style_;
  host::StepTrap trap_;
  std::shared_ptr<host::SpreadsheetApplication> application_;
  host::Workbook* workbook_ = nullptr;
  host::Worksheet* sheet_ = nullptr;
};

template <class F>
bool WorkbookFrame::Step(F&& step) {
  if (trap_.Run(std::forward<F>(step))) return true;
  if (style_.onFailure == FailureMode::DropThenReturn) throw Ended{};
  return false;
}

}  // namespace gridkit::sheet
