// What a report prints around its body rows: the first-page block, the
// heading band, the continuation footer and the end of the job.

#include "host/error.h"
#include "host/regional/date_format.h"
#include "host/text/blanks.h"
#include "host/text/utf8.h"
#include "print/report_job.h"
#include "print/whole_division.h"

namespace gridkit::print {

namespace {

constexpr std::string_view kContinued = "To Be Continued........ Page No : ";

}  // namespace

void ReportJob::Begin() {
  state_.CurX = state_.MLeft;
  state_.CurY = state_.MTop;
  // A job without heading rules must not inherit the last job's rule.
  state_.LineDrawn = false;
}

void ReportJob::FirstPageBlock(ReportSource& source) {
  const double lineStep = state_.CharHeight + state_.LineGap;
  if (!host::TrimBlanks(options_.CompanyName).empty()) {
    UseFont(base_ + 2, true);
    PrintCenter(FitText(options_.CompanyName, state_.PrintWidth, 2), state_.PrintWidth, state_.CurX,
                state_.CurY);
    state_.CurY += lineStep;
  }
  UseFont(base_, false);
  const std::string_view address = host::TrimBlanks(options_.CompanyAddress);
  if (!address.empty()) {
    PrintCenter(FitText(address, state_.PrintWidth, 2), state_.PrintWidth, state_.CurX,
                state_.CurY);
    state_.CurY += lineStep;
  }
  state_.CurY += lineStep;
  UseFont(base_ + 1, true);
  HeadingBand(source);
  UseFont(base_, false);
  if (!options_.LineReqForHead && options_.LineBetnRow) {
    DrawHLine(state_.CurX, state_.CurX + state_.PrintWidth, state_.CurY);
    state_.CurY += state_.LineGap;
    state_.LineDrawn = true;
  }
  state_.BandTop = state_.CurY;
}

void ReportJob::HeadingBand(ReportSource& source) {
  const int32_t fit = WholeDivide(state_.PrintWidth, state_.CharWidth);
  if (fit < 0) throw host::Error::Standard(host::err::kInvalidCall);
  const double lineStep = state_.CharHeight + state_.LineGap;
  for (const std::string* head : {&options_.PageHead1, &options_.PageHead2}) {
    if (head->empty()) continue;  // a head of blanks still takes its line
    const std::string first = host::CharSlice(*head, 0, static_cast<size_t>(fit));
    PrintCenter(host::TrimBlanks(first), state_.PrintWidth, state_.CurX, state_.CurY);
    state_.CurY += lineStep;
  }
  state_.CurX = state_.MLeft;
  state_.CurY += lineStep;

  const int32_t rows = source.HeadingRowCount();
  if (rows == 0) return;
  state_.BandTop = state_.CurY;
  if (options_.LineReqForHead) {
    DrawHLine(state_.CurX, state_.CurX + state_.PrintWidth, state_.CurY);
    state_.LineDrawn = true;
    state_.CurY += state_.LineGap;
  }
  for (int32_t row = 0; row < rows; ++row) {
    state_.CurX = state_.MLeft;
    source.PrintHeadingCells(row);
    HeadingRowEnd();
  }
}

void ReportJob::HeadingRowEnd() {
  RightBorder();
  state_.CurX = state_.MLeft;
  state_.LineDrawn = false;
  state_.CurY += state_.LineGap + state_.CharHeight;
  state_.BandTop = state_.CurY;
  if (options_.LineReqForHead) {
    DrawHLine(state_.CurX, state_.CurX + state_.PrintWidth, state_.CurY);
    state_.LineDrawn = true;
    state_.CurY += state_.LineGap;
  }
}

void ReportJob::Continuation(ReportSource& source) {
  if (options_.LineOnPageBreak && !state_.LineDrawn) {
    DrawHLine(state_.CurX, state_.CurX + state_.PrintWidth, state_.CurY);
  }
  state_.CurY += state_.CharHeight;
  state_.CurX = state_.MLeft;
  PrintRight(std::string(kContinued) + std::to_string(printer_.Page()), state_.PrintWidth,
             state_.CurX, state_.CurY);
  printer_.NewPage();
  state_.CurY = state_.MTop;
  state_.CurX = state_.MLeft;
  UseFont(base_ + 1, true);
  HeadingBand(source);
  UseFont(base_, false);
  // Without heading rows the band leaves BandTop on the page before; the
  // next row's vertical rules must start on this one.
  if (source.HeadingRowCount() == 0) state_.BandTop = state_.CurY;
}

void ReportJob::EndOfJob(bool killAfterEnd) {
  if (options_.LineOnPageBreak && !state_.LineDrawn) {
    DrawHLine(state_.CurX, state_.CurX + state_.PrintWidth, state_.CurY);
  }
  if (options_.PrintDateReqLastPage) {
    const double now = services_.clock.Now();
    const std::string line =
        "Date : " + host::FormatDateTime(now, "dd-MMM-yyyy", services_.regional) +
        "   Time : " + host::FormatDateTime(now, "hh:MM AM/PM", services_.regional);
    state_.CurY += state_.CharHeight;
    state_.CurX = state_.MLeft;
    PrintRight(line, state_.PrintWidth, state_.CurX, state_.CurY);
  }
  printer_.NewPage();
  printer_.EndDoc();
  if (killAfterEnd) printer_.KillDoc();
}

}  // namespace gridkit::print
