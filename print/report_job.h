#pragma once
// One running print job: the page geometry and width check, the output
// primitives, the page furniture and the row cycle, over the print class's
// state. The drivers of each source run it in their order of steps.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/message/message_box.h"
#include "host/printer/host_form.h"
#include "host/printer/printer.h"
#include "host/regional/clock.h"
#include "host/regional/regional_settings.h"
#include "print/report_options.h"
#include "print/report_source.h"
#include "print/report_state.h"

namespace gridkit::print {

// A column the layout may print: its host width in twips and its alignment
// (0 left, 1 right, 2 centre).
struct ColumnSource {
  std::function<double(double column)> width;
  std::function<int32_t(double column)> alignment;
};

struct JobServices {
  host::MessageBox& messages;
  const host::Clock& clock;
  const host::RegionalSettings& regional;
};

class ReportJob {
 public:
  ReportJob(ReportState& state, host::Printer& printer, const ReportOptions& options,
            int32_t baseSize, JobServices services);

  // Page set-up: margins, gaps, scale, the base font, the character cell
  // and the printable area.
  void SetUpPage();
  // Fills the column arrays from the candidate columns, 0 to count - 1.
  void LayOutColumns(int32_t count, const host::HostForm* form, const ColumnSource& columns);
  // False when the user declined a report wider than the paper.
  bool CheckWidth();
  // After a row and its rule: the footer's reserve is reached.
  bool PageFull() const;

  // Output primitives; none of them moves CurX or CurY.
  void SetPos(double x, double y);
  void PrintCenter(std::string_view text, double span, double x, double y);
  void PrintRight(std::string_view text, double span, double x, double y);
  void DrawHLine(double x1, double x2, double y);
  void DrawVLine(double x, double y1, double y2);
  std::string FitText(std::string_view text, double width, int32_t alignment);
  // RptFont in the size and weight given, assigned to the printer.
  void UseFont(int32_t size, bool bold);

  // Page furniture.
  void Begin();
  void FirstPageBlock(ReportSource& source);
  void HeadingBand(ReportSource& source);
  void HeadingRowEnd();
  void Continuation(ReportSource& source);
  void EndOfJob(bool killAfterEnd);

  // The row body.
  void PlainCells(ReportSource& source);
  void MergedCells(ReportSource& source);
  void BodyRowEnd(ReportSource& source);
  // The emphasis of a recognised group or total row.
  void Emphasize(GroupConstants diffOn);

  const ReportState& State() const { return state_; }
  ReportState& State() { return state_; }
  const ReportOptions& Options() const { return options_; }

 private:
  void PrintAligned(std::string_view text, double span, int32_t alignment);
  void RowRules();
  void RightBorder();

  ReportState& state_;
  host::Printer& printer_;
  const ReportOptions& options_;
  int32_t base_;
  JobServices services_;
};

}  // namespace gridkit::print
