// Page set-up, column layout, the width check and the page-full rule.

#include "host/error.h"
#include "host/number/round_half_even.h"
#include "print/report_job.h"
#include "print/whole_division.h"

namespace gridkit::print {

namespace {

constexpr std::string_view kTooWide =
    "Document width is exceeding paper With. \r\n\r\nDo you want take printout in Landscape?";
constexpr std::string_view kStillTooWide =
    "Document width is exceeding, After setting in landscape. Do you want to continue?";
constexpr int16_t kFillStyle = 5;

}  // namespace

void ReportJob::SetUpPage() {
  state_.MLeft = options_.LeftMargin > 2 ? options_.LeftMargin : 2;
  state_.MTop = options_.TopMargin > 2 ? options_.TopMargin : 2;
  state_.LineGap = 0.1;
  state_.ColGap = 0.4;
  printer_.setScaleMode(host::printer::kScaleCharacters);
  printer_.setFillStyle(kFillStyle);
  UseFont(base_, false);
  state_.CharWidth = printer_.TextWidth("W");
  state_.CharHeight = printer_.TextHeight("W");
  state_.PageHeight = printer_.ScaleHeight();
  state_.PrintWidth = printer_.ScaleWidth() - 2 * state_.MLeft;
}

void ReportJob::LayOutColumns(int32_t count, const host::HostForm* form,
                              const ColumnSource& columns) {
  auto wWidth = [form] {
    if (!form) throw host::Error::Standard(host::err::kObjectNotSet);
    return form->TextWidth("W");
  };
  // With no column wide enough the layout keeps one: the source's column 0.
  state_.ColIndex.assign(1, 0);
  size_t chosen = 0;
  for (int32_t c = 0; c < count; ++c) {
    const double f = wWidth();
    if (columns.width(c) > f) {
      state_.ColIndex.resize(chosen + 1);
      state_.ColIndex[chosen++] = c;
    }
  }
  const size_t printed = state_.ColIndex.size();
  state_.ColWid.assign(printed, 0);
  state_.ColChars.assign(printed, 0);
  state_.ColAlign.assign(printed, 0);
  for (size_t i = 0; i < printed; ++i) {
    const double w = columns.width(state_.ColIndex[i]);
    state_.ColChars[i] = WholeDivide(w, wWidth());
    state_.ColWid[i] = state_.ColChars[i] * state_.CharWidth;
    state_.ColAlign[i] = columns.alignment(state_.ColIndex[i]);
  }
}

bool ReportJob::CheckWidth() {
  double total = 0;
  for (double width : state_.ColWid)
    total += width + state_.ColGap;
  const double rounded = host::RoundHalfEven(total);
  if (!(rounded > state_.PrintWidth)) return true;
  const host::MsgResult answer = services_.messages.Show(
      std::string(kTooWide), host::MsgButtons::YesNoCancel, host::MsgIcon::Question, {});
  if (answer == host::MsgResult::Cancel) return false;
  if (answer != host::MsgResult::Yes) return true;
  printer_.setOrientation(host::printer::kLandscape);
  state_.PageHeight = printer_.ScaleHeight();
  state_.PrintWidth = printer_.ScaleWidth() - 2 * state_.MLeft;
  if (!(rounded > state_.PrintWidth)) return true;
  return services_.messages.Show(std::string(kStillTooWide), host::MsgButtons::YesNo,
                                 host::MsgIcon::Question, {}) == host::MsgResult::Yes;
}

bool ReportJob::PageFull() const {
  return state_.PageHeight < host::RoundHalfEven(state_.CurY + state_.MTop + 2 * state_.CharHeight);
}

}  // namespace gridkit::print
