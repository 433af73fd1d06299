#pragma once
// Recognition of the dates and times a user would type into a cell under the
// given regional settings: numeric dates in the settings' order (a leading
// four-digit year always reads year-month-day), dates with month names,
// times with an optional AM/PM designator, and a date followed by a time.
// Called for every cell of large exports, so texts that cannot be a date are
// turned away early and without allocating.

#include <optional>
#include <string_view>

#include "host/regional/regional_settings.h"

namespace gridkit::host {

struct RecognizedDateTime {
  bool hasDate = false;
  bool hasTime = false;
  int year = 0, month = 0, day = 0;      // set when hasDate
  int hour = 0, minute = 0, second = 0;  // set when hasTime
  bool twelveHour = false;               // the time carried an AM/PM designator
  // Date serial plus the time fraction; a time alone counts as 30 December
  // 1899, so its serial is the time fraction.
  double serial = 0;
};

// The date and/or time the text holds (surrounding blanks allowed), or
// nothing when the text is anything else.
std::optional<RecognizedDateTime> RecognizeDateTime(std::string_view text,
                                                    const RegionalSettings& settings);

}  // namespace gridkit::host
