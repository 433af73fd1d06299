#pragma once
// The options of a report job, with their defaults, the two enumerations
// that steer group and total rows, and the job's fixed result texts.

#include <cstdint>
#include <string>
#include <string_view>

namespace gridkit::print {

// How a group heading or total row is recognised from one cell's look.
enum HeadDifferenceConstants : int32_t { HNone = 0, HBackColor = 1, HForeColor = 2, HBold = 3 };

// What a recognised row gets.
enum GroupConstants : int32_t { GNone = 0, GBold = 1, GLine = 2, GBoth = 3 };

// The job options after the printer's name, in the methods' order.
struct ReportOptions {
  bool LineBetnCol = false;
  bool LineBetnRow = false;
  bool LineReqForHead = true;
  HeadDifferenceConstants GpHeadDiffBy = HNone;
  int32_t GpHeadCol = 0;
  HeadDifferenceConstants TotalDiffBy = HNone;
  int32_t TotalCol = 0;
  std::string PageHead1;
  std::string PageHead2;
  std::string CompanyName;
  std::string CompanyAddress;
  bool LineOnPageBreak = true;
  GroupConstants GroupsDiffOn = GNone;
  GroupConstants TotalDiffOn = GNone;
  // In characters and lines; values up to 2 count as 2.
  int32_t LeftMargin = 2;
  int32_t TopMargin = 2;
  bool PrintDateReqLastPage = true;
  // Base font size in points.
  int32_t LngFontSize = 8;
};

namespace result {
inline constexpr std::string_view kInvalidPrinterName = "Invalid Printer Name";
inline constexpr std::string_view kNoDataOnGrid = "There is no Data on the grid";
inline constexpr std::string_view kNoDataOnListView = "There is no Data on the ListView";
inline constexpr std::string_view kPaperWidthExceeds = "Paper Width Exceeds";
}  // namespace result

}  // namespace gridkit::print
