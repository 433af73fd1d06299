#pragma once
// The text of a date serial in a date/time pattern. Tokens: d dd (day), M MM
// MMM MMMM (month: number, two digits, abbreviation, name), yy yyyy (year),
// h hh (hour, 12-hour when the pattern holds AM/PM), H HH (hour, 24-hour), m
// mm (minute; also M and MM right after an hour and its separator, as in
// "hh:MM"), s ss (second), AM/PM (the settings' designator). Tokens are
// case-sensitive and read longest first ("ddd" is "dd" then "d"); text in
// double quotes and every other character stand for themselves.

#include <string>
#include <string_view>

#include "host/regional/regional_settings.h"

namespace gridkit::host {

// Raises "Invalid procedure call or argument" for a serial FromSerial refuses.
std::string FormatDateTime(double serial, std::string_view pattern,
                           const RegionalSettings& settings);

}  // namespace gridkit::host
