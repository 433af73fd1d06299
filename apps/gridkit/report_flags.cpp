#include "apps/gridkit/report_flags.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "apps/gridkit/cli_errors.h"
#include "host/text/utf8.h"

namespace gridkit::cli {

namespace {

template <typename T>
using Words = std::vector<std::pair<std::string_view, T>>;

// The value of the flag among its words, their case ignored.
template <typename T>
T ReadWord(const CommandOptions& options, std::string_view name, const Words<T>& words,
           T fallback) {
  if (!options.Has(name)) return fallback;
  const std::string value = options.Get(name);
  std::string choices;
  for (const auto& [word, meaning] : words) {
    if (host::EqualIgnoringCase(value, word)) return meaning;
    choices += (choices.empty() ? "" : "|") + std::string(word);
  }
  throw UsageError("--" + std::string(name) + " must be " + choices + ", not '" + value + "'");
}

int32_t ReadInteger(const CommandOptions& options, std::string_view name, int32_t fallback) {
  if (!options.Has(name)) return fallback;
  const std::string value = options.Get(name);
  int32_t number = 0;
  const char* end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, number);
  if (value.empty() || error != std::errc() || stop != end) {
    throw UsageError("--" + std::string(name) + " needs a whole number, not '" + value + "'");
  }
  return number;
}

const Words<print::HeadDifferenceConstants> kDifferenceWords = {
    {"none", print::HNone},
    {"backcolor", print::HBackColor},
    {"forecolor", print::HForeColor},
    {"bold", print::HBold},
};

const Words<print::GroupConstants> kEmphasisWords = {
    {"none", print::GNone},
    {"bold", print::GBold},
    {"line", print::GLine},
    {"both", print::GBoth},
};

}  // namespace

print::ReportOptions ReadReportOptions(const CommandOptions& options) {
  print::ReportOptions report;
  report.LineBetnCol = options.Has("line-betn-col");
  report.LineBetnRow = options.Has("line-betn-row");
  report.LineReqForHead = !options.Has("no-line-req-for-head");
  report.GpHeadDiffBy = ReadWord(options, "gp-head-diff-by", kDifferenceWords, report.GpHeadDiffBy);
  report.GpHeadCol = ReadInteger(options, "gp-head-col", report.GpHeadCol);
  report.TotalDiffBy = ReadWord(options, "total-diff-by", kDifferenceWords, report.TotalDiffBy);
  report.TotalCol = ReadInteger(options, "total-col", report.TotalCol);
  report.PageHead1 = options.Get("page-head1");
  report.PageHead2 = options.Get("page-head2");
  report.CompanyName = options.Get("company-name");
  report.CompanyAddress = options.Get("company-address");
  report.LineOnPageBreak = !options.Has("no-line-on-page-break");
  report.GroupsDiffOn = ReadWord(options, "groups-diff-on", kEmphasisWords, report.GroupsDiffOn);
  report.TotalDiffOn = ReadWord(options, "total-diff-on", kEmphasisWords, report.TotalDiffOn);
  report.LeftMargin = ReadInteger(options, "left-margin", report.LeftMargin);
  report.TopMargin = ReadInteger(options, "top-margin", report.TopMargin);
  report.PrintDateReqLastPage = !options.Has("no-print-date");
  report.LngFontSize = ReadInteger(options, "font-size", report.LngFontSize);
  return report;
}

BoxAnswer ReadLandscapeAnswer(const CommandOptions& options) {
  static const Words<BoxAnswer> kAnswers = {
      {"ask", BoxAnswer::Ask},
      {"yes", BoxAnswer::Yes},
      {"no", BoxAnswer::No},
      {"cancel", BoxAnswer::Cancel},
  };
  return ReadWord(options, "landscape", kAnswers, BoxAnswer::Ask);
}

double ReadHostWWidth(const CommandOptions& options, double fallback) {
  if (!options.Has("host-w-width")) return fallback;
  const std::string value = options.Get("host-w-width");
  double twips = 0;
  const char* end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, twips);
  if (value.empty() || error != std::errc() || stop != end || !(twips > 0) || twips > 1e9) {
    throw UsageError("--host-w-width needs a positive number of twips, not '" + value + "'");
  }
  return twips;
}

}  // namespace gridkit::cli
