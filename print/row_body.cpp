// How one row is laid down: plain and merged cells, the row end, and the
// emphasis of recognised group and total rows.

#include "print/report_job.h"

namespace gridkit::print {

void ReportJob::PrintAligned(std::string_view text, double span, int32_t alignment) {
  if (alignment == 1) {
    PrintRight(text, span, state_.CurX, state_.CurY);
  } else if (alignment == 2) {
    PrintCenter(text, span, state_.CurX, state_.CurY);
  } else {
    printer_.Print(text);
  }
}

// The rule on the cell's left, half a gap before it, down to the next line.
void ReportJob::RowRules() {
  if (!options_.LineBetnCol) return;
  DrawVLine(state_.CurX - state_.ColGap / 2, state_.BandTop,
            state_.CurY + state_.LineGap + state_.CharHeight);
}

void ReportJob::RightBorder() {
  if (!options_.LineBetnCol) return;
  DrawVLine(state_.MLeft + state_.PrintWidth, state_.BandTop,
            state_.CurY + state_.LineGap + state_.CharHeight);
}

void ReportJob::PlainCells(ReportSource& source) {
  for (size_t i = 0; i < state_.ColIndex.size(); ++i) {
    SetPos(state_.CurX, state_.CurY);
    source.SelectColumn(i);
    const std::string text = source.SelectedText();
    PrintAligned(FitText(text, state_.ColWid[i], state_.ColAlign[i]), state_.ColWid[i],
                 state_.ColAlign[i]);
    RowRules();
    state_.CurX += state_.ColWid[i] + state_.ColGap;
  }
}

// Adjacent cells with exactly the same text print once, centred over their
// joined width; the decision is made afresh for every group.
void ReportJob::MergedCells(ReportSource& source) {
  const size_t printed = state_.ColIndex.size();
  size_t i = 0;
  while (i < printed) {
    source.SelectColumn(i);
    const std::string text = source.SelectedText();
    double span = state_.ColWid[i];
    size_t last = i;
    while (last + 1 < printed) {
      source.SelectColumn(last + 1);
      if (source.SelectedText() != text) break;
      ++last;
      span += state_.ColWid[last] + state_.ColGap;
    }
    source.SelectColumn(last);
    SetPos(state_.CurX, state_.CurY);
    if (last > i) {
      PrintCenter(FitText(text, span, 2), span, state_.CurX, state_.CurY);
    } else {
      PrintAligned(FitText(text, span, state_.ColAlign[i]), span, state_.ColAlign[i]);
    }
    RowRules();
    state_.CurX += span + state_.ColGap;
    i = last + 1;
  }
}

void ReportJob::BodyRowEnd(ReportSource& source) {
  RightBorder();
  state_.LineDrawn = false;
  state_.CurY += state_.LineGap + state_.CharHeight;
  state_.CurX = state_.MLeft;
  source.CheckAfterRow();
  state_.BandTop = state_.CurY;
  if (options_.LineBetnRow) {
    DrawHLine(state_.CurX, state_.CurX + state_.PrintWidth, state_.CurY);
    state_.CurY += state_.LineGap;
    state_.LineDrawn = true;
  }
  if (PageFull() && !source.AtLastRow()) Continuation(source);
  if (state_.RptFont && state_.RptFont->Bold)
    UseFont(static_cast<int32_t>(state_.RptFont->Size), false);
}

void ReportJob::Emphasize(GroupConstants diffOn) {
  const bool line = diffOn == GLine || diffOn == GBoth;
  const bool bold = diffOn == GBold || diffOn == GBoth;
  if (line && !state_.LineDrawn) {
    DrawHLine(state_.CurX, state_.CurX + state_.PrintWidth, state_.CurY);
    state_.LineDrawn = true;
    state_.CurY += state_.LineGap;
  }
  if (bold) UseFont(static_cast<int32_t>(state_.RptFont ? state_.RptFont->Size : base_), true);
  if (!line && !bold) state_.CurY += state_.CharHeight;
}

}  // namespace gridkit::print
