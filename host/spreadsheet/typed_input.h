#pragma once
// How the spreadsheet takes a text typed into a cell: numbers (with "." as
// the point and "," grouping thousands), percentages, dates and times under
// the regional settings, and TRUE/FALSE become values; everything else stays
// text. A text starting with "=" stays text, so data never becomes a formula,
// and so does a number whose conversion would lose what the user sees
// (leading zeros such as 007, more than 15 significant digits).

#include <string>
#include <string_view>

#include "host/regional/regional_settings.h"

namespace gridkit::host {

enum class CellKind : uint8_t { Empty, Number, Date, Boolean, Text };

struct TypedInput {
  CellKind kind = CellKind::Empty;
  double number = 0;  // the number, the date serial, or 1/0 for a Boolean
  // The display format a General cell takes on with this input ("0%",
  // "#,##0.00", a date format); empty when it stays General.
  std::string impliedFormat;
};

TypedInput InterpretTypedInput(std::string_view text, const RegionalSettings& settings);

// The display format a General cell takes on for a date under the settings'
// date order ("dd/mm/yyyy", "m/d/yyyy", "yyyy-mm-dd"), with " h:mm" for a
// date with a time of day.
std::string ShortDateFormat(const RegionalSettings& settings, bool withTime = false);

}  // namespace gridkit::host
