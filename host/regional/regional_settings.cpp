#include "host/regional/regional_settings.h"

namespace gridkit::host {

RegionalSettings RegionalSettings::Default() {
  return RegionalSettings{};
}

RegionalSettings RegionalSettings::EnglishUnitedStates() {
  RegionalSettings settings;
  settings.dateOrder = DateOrder::MonthDayYear;
  return settings;
}

RegionalSettings RegionalSettings::GermanGermany() {
  RegionalSettings settings;
  settings.dateSeparator = ".";
  settings.monthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                         "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  settings.monthAbbreviations = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  settings.amDesignator = "";
  settings.pmDesignator = "";
  settings.decimalSeparator = ",";
  settings.thousandsSeparator = ".";
  return settings;
}

}  // namespace gridkit::host
