#include "host/regional/date_serial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "host/error.h"

namespace gridkit::host {
namespace {

struct DateCase {
  int year;
  int month;
  int day;
  bool valid;
};

TEST(IsValidDateTest, Calendar) {
  const std::vector<DateCase> cases{
      {2004, 2, 29, true},  {2003, 2, 29, false}, {2000, 2, 29, true},   {1900, 2, 29, false},
      {2100, 2, 29, false}, {2004, 4, 30, true},  {2004, 4, 31, false},  {2004, 12, 31, true},
      {2004, 1, 31, true},  {2004, 13, 1, false}, {2004, 0, 1, false},   {2004, 1, 0, false},
      {2004, -1, 5, false}, {2004, 1, 32, false}, {1, 1, 1, true},       {9999, 12, 31, true},
      {0, 1, 1, false},     {10000, 1, 1, false}, {2004, 259, 1, false}, {2004, 1, 257, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(IsValidDate(c.year, c.month, c.day), c.valid);
  }
}

struct SerialCase {
  int year;
  int month;
  int day;
  double serial;
};

// The serials the spreadsheet applications show for these dates.
const std::vector<SerialCase> kSerials{
    {1900, 1, 1, 1},     {1900, 1, 31, 31},   {1900, 2, 28, 59},
    {1900, 3, 1, 61},    {1900, 12, 31, 366}, {1904, 1, 1, 1462},
    {2000, 1, 1, 36526}, {2004, 3, 5, 38051}, {9999, 12, 31, 2958465},
};

TEST(DateSerialTest, SpreadsheetNumbering) {
  for (const auto& c : kSerials) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(DateSerial(c.year, c.month, c.day), c.serial);
    const CivilDateTime back = FromSerial(c.serial);
    EXPECT_EQ(back, (CivilDateTime{c.year, c.month, c.day, 0, 0, 0}));
  }
}

TEST(DateSerialTest, RaisesForDatesWithoutSerial) {
  const std::vector<DateCase> cases{
      {2003, 2, 29, false},  {1900, 2, 29, false},  {2004, 13, 1, false}, {2004, 0, 1, false},
      {1899, 12, 31, false}, {1899, 12, 30, false}, {10000, 1, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    try {
      DateSerial(c.year, c.month, c.day);
      ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
      EXPECT_EQ(e.Number(), err::kInvalidCall);
    }
  }
}

// Every serial from 1 January 1900 on reads back as itself; the phantom
// 29 February 1900 (serial 60) has no date to go back from.
TEST(DateSerialTest, RoundTripsEveryDayOfTwoCenturies) {
  const double last = DateSerial(2101, 1, 1);
  for (double serial = 1; serial <= last; ++serial) {
    if (serial == 60) continue;
    const CivilDateTime date = FromSerial(serial);
    ASSERT_EQ(DateSerial(date.year, date.month, date.day), serial) << serial;
  }
}

struct TimeCase {
  int hour;
  int minute;
  int second;
  double fraction;
};

TEST(TimeSerialTest, FractionOfDay) {
  const std::vector<TimeCase> cases{
      {0, 0, 0, 0.0},
      {6, 0, 0, 0.25},
      {12, 0, 0, 0.5},
      {18, 0, 0, 0.75},
      {10, 15, 30, (10 * 3600 + 15 * 60 + 30) / 86400.0},
      {23, 59, 59, 86399 / 86400.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << ":" << c.second);
    EXPECT_DOUBLE_EQ(TimeSerial(c.hour, c.minute, c.second), c.fraction);
  }
}

TEST(TimeSerialTest, RaisesOutsideTheClock) {
  const std::vector<TimeCase> cases{
      {24, 0, 0, 0}, {-1, 0, 0, 0}, {0, 60, 0, 0}, {0, -1, 0, 0}, {0, 0, 60, 0}, {0, 0, -1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << ":" << c.second);
    try {
      TimeSerial(c.hour, c.minute, c.second);
      ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
      EXPECT_EQ(e.Number(), err::kInvalidCall);
    }
  }
}

struct FromSerialCase {
  double serial;
  CivilDateTime expected;
};

TEST(FromSerialTest, DateAndTime) {
  const double day = DateSerial(2004, 3, 5);
  const std::vector<FromSerialCase> cases{
      {0, {1899, 12, 30, 0, 0, 0}},
      {0.5, {1899, 12, 30, 12, 0, 0}},
      {60, {1900, 2, 29, 0, 0, 0}},
      {59.75, {1900, 2, 28, 18, 0, 0}},
      {day + 0.5, {2004, 3, 5, 12, 0, 0}},
      {day + TimeSerial(10, 15, 30), {2004, 3, 5, 10, 15, 30}},
      {day + TimeSerial(23, 59, 59), {2004, 3, 5, 23, 59, 59}},
      // Nearest second, carrying into the next day.
      {day + 0.4 / 86400, {2004, 3, 5, 0, 0, 0}},
      {day + 0.6 / 86400, {2004, 3, 5, 0, 0, 1}},
      {day + 1 - 0.2 / 86400, {2004, 3, 6, 0, 0, 0}},
      {DateSerial(9999, 12, 31) + TimeSerial(23, 59, 59), {9999, 12, 31, 23, 59, 59}},
      {-1, {1899, 12, 29, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.serial);
    EXPECT_EQ(FromSerial(c.serial), c.expected);
  }
}

TEST(FromSerialTest, RaisesForSerialsOutsideTheCalendar) {
  const std::vector<double> serials{
      std::numeric_limits<double>::quiet_NaN(),
      std::numeric_limits<double>::infinity(),
      -std::numeric_limits<double>::infinity(),
      1e300,
      -1e300,
      DateSerial(9999, 12, 31) + 1,
      DateSerial(9999, 12, 31) + 1 - 0.1 / 86400,  // rounds past the last second
      -693594,
  };
  for (const double serial : serials) {
    SCOPED_TRACE(testing::Message() << serial);
    try {
      FromSerial(serial);
      ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
      EXPECT_EQ(e.Number(), err::kInvalidCall);
    }
  }
}

}  // namespace
}  // namespace gridkit::host
