// The drawing routines every line of the report goes through.

#include <cmath>

#include "host/error.h"
#include "host/text/utf8.h"
#include "print/report_job.h"

namespace gridkit::print {

void ReportJob::SetPos(double x, double y) {
  printer_.setCurrentX(x);
  printer_.setCurrentY(y);
}

void ReportJob::PrintCenter(std::string_view text, double span, double x, double y) {
  SetPos(x + (span - printer_.TextWidth(text)) / 2, y);
  printer_.Print(text);
}

void ReportJob::PrintRight(std::string_view text, double span, double x, double y) {
  SetPos(x + span - printer_.TextWidth(text), y);
  printer_.Print(text);
}

void ReportJob::DrawHLine(double x1, double x2, double y) {
  printer_.Line(x1, y, x2, y);
}

void ReportJob::DrawVLine(double x, double y1, double y2) {
  printer_.Line(x, y1, x, y2);
}

// The cut is worked out once from the excess and not measured again, so the
// result may still be a little wider or narrower than the width.
std::string ReportJob::FitText(std::string_view text, double width, int32_t alignment) {
  const double w = printer_.TextWidth(text);
  if (!(w > width)) return std::string(text);
  const auto n = static_cast<double>(host::CharCount(text));
  const double c = std::floor((w - width) * state_.CharWidth);
  // A cut that leaves no character gives the empty text rather than ending
  // the job, as a cut that leaves exactly one does.
  if (n - c <= 1) return {};
  const auto keep = static_cast<size_t>(n - c - 1);
  if (alignment == 1) return host::CharSlice(text, static_cast<size_t>(n) - keep, keep);
  return host::CharSlice(text, 0, keep);
}

void ReportJob::UseFont(int32_t size, bool bold) {
  if (size <= 0) throw host::Error::Standard(host::err::kInvalidPropertyValue);
  if (!state_.RptFont) state_.RptFont.emplace();
  host::StdFont& font = *state_.RptFont;
  font.Name = "Arial";
  font.Size = size;
  font.Bold = bold;
  printer_.setFont(font);
}

}  // namespace gridkit::print
