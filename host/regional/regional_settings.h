#pragma once
// The user's regional settings as the kit reads them: date order and
// separators, month names, AM/PM designators and number separators. The host
// passes them to the components; English (United Kingdom) is the default.

#include <array>
#include <string>

namespace gridkit::host {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

struct RegionalSettings {
  DateOrder dateOrder = DateOrder::DayMonthYear;
  std::string dateSeparator = "/";
  std::string timeSeparator = ":";
  std::array<std::string, 12> monthNames{"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
  std::array<std::string, 12> monthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::string amDesignator = "AM";
  std::string pmDesignator = "PM";
  std::string decimalSeparator = ".";
  std::string thousandsSeparator = ",";

  // English (United Kingdom): day first, "/", 24-hour clock.
  static RegionalSettings Default();
  // English (United States): month first, "/".
  static RegionalSettings EnglishUnitedStates();
  // German (Germany): day first, ".", decimal comma.
  static RegionalSettings GermanGermany();
};

}  // namespace gridkit::host
