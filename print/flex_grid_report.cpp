#include "print/flex_grid_report.h"

namespace gridkit::print {

namespace {

// Right (6, 7, 8) and centre (3, 4, 5) codes of the grid; the left ones and
// general print left.
int32_t PrintAlignment(int16_t code) {
  if (code >= 6 && code <= 8) return 1;
  if (code >= 3 && code <= 5) return 2;
  return 0;
}

}  // namespace

void FlexGridReport::FlexColumns(const host::HostForm* form) {
  job_.LayOutColumns(
      grid_.Cols(), form,
      {[this](double c) { return static_cast<double>(grid_.ColWidth(static_cast<int32_t>(c))); },
       [this](double c) { return PrintAlignment(grid_.ColAlignment(static_cast<int32_t>(c))); }});
}

void FlexGridReport::SelectColumn(size_t printed) {
  grid_.setCol(static_cast<int32_t>(job_.State().ColIndex[printed]));
}

void FlexGridReport::PrintCells(int32_t row) {
  if (grid_.MergeRow(row)) {
    job_.MergedCells(*this);
  } else {
    job_.PlainCells(*this);
  }
}

void FlexGridReport::PrintHeadingCells(int32_t row) {
  row_ = row;
  grid_.setRow(row);
  PrintCells(row);
}

void FlexGridReport::CheckFlexRow(HeadDifferenceConstants diffBy, int32_t col,
                                  GroupConstants diffOn) {
  grid_.setCol(col);
  bool recognised = false;
  switch (diffBy) {
    case HBackColor:
      recognised = grid_.CellBackColor() != 0;
      break;
    case HForeColor:
      recognised = grid_.CellForeColor() != 0;
      break;
    case HBold:
      recognised = grid_.CellFontBold();
      break;
    default:
      break;
  }
  if (recognised) job_.Emphasize(diffOn);
}

void FlexGridReport::CheckRow() {
  const ReportOptions& options = job_.Options();
  if (options.GpHeadDiffBy != HNone) {
    CheckFlexRow(options.GpHeadDiffBy, options.GpHeadCol, options.GroupsDiffOn);
  }
  if (options.TotalDiffBy != HNone) {
    CheckFlexRow(options.TotalDiffBy, options.TotalCol, options.TotalDiffOn);
  }
}

void FlexGridReport::PrintBody() {
  const int32_t last = grid_.Rows() - 1;
  for (int32_t r = grid_.FixedRows(); r <= last; ++r) {
    ReportState& state = job_.State();
    state.CurX = state.MLeft;
    row_ = r;
    grid_.setRow(r);
    CheckRow();
    PrintCells(r);
    job_.BodyRowEnd(*this);
  }
}

}  // namespace gridkit::print
