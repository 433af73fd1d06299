#pragma once
// Date serials of the spreadsheet's 1900 date system: whole days counted from
// 30 December 1899 (serial 0), the time of day as the fraction. Like the
// spreadsheet, the count holds a 29 February 1900 that never was (serial 60),
// so that 1 January 1900 is 1 and every serial from 1 shows the same date as
// in the spreadsheet applications.

namespace gridkit::host {

// True for a real day of the Gregorian calendar in the years 1 to 9999.
bool IsValidDate(int year, int month, int day);

// The serial of a date from 1 January 1900 to 31 December 9999; raises
// "Invalid procedure call or argument" for any other date or no date at all.
double DateSerial(int year, int month, int day);

// The fraction of a day of a time of day (hour 0-23, minute and second
// 0-59); raises "Invalid procedure call or argument" outside those ranges.
double TimeSerial(int hour, int minute, int second);

struct CivilDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const CivilDateTime&) const = default;
};

// The date and time of a serial, rounded to the nearest second. Serial 60
// gives 29 February 1900, as the spreadsheet shows it. Raises "Invalid
// procedure call or argument" for a serial that is not a number or falls
// outside the years 1 to 9999.
CivilDateTime FromSerial(double serial);

}  // namespace gridkit::host
