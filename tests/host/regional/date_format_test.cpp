#include "host/regional/date_format.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "host/error.h"
#include "host/regional/date_serial.h"

namespace gridkit::host {
namespace {

struct FormatCase {
  double serial;
  std::string_view pattern;
  std::string_view expected;
};

void Check(const std::vector<FormatCase>& cases, const RegionalSettings& settings) {
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.serial << " \"" << c.pattern << "\"");
    EXPECT_EQ(FormatDateTime(c.serial, c.pattern, settings), c.expected);
  }
}

const double kMarch5 = DateSerial(2004, 3, 5);
const double kDec31 = DateSerial(1999, 12, 31);

TEST(FormatDateTimeTest, DateTokens) {
  Check(
      {
          {kMarch5, "d-MM-yyyy", "5-03-2004"},
          {kMarch5, "dd/MM/yy", "05/03/04"},
          {kMarch5, "d M yyyy", "5 3 2004"},
          {kDec31, "d M yy", "31 12 99"},
          {kMarch5, "d MMM yyyy", "5 Mar 2004"},
          {kMarch5, "MMMM d, yyyy", "March 5, 2004"},
          {kMarch5, "yyyy-MM-dd", "2004-03-05"},
          {DateSerial(1900, 1, 1), "yyyy-MM-dd", "1900-01-01"},
          {60, "dd/MM/yyyy", "29/02/1900"},
          {DateSerial(1900, 3, 1), "dd/MM/yyyy", "01/03/1900"},
          {DateSerial(2009, 1, 9), "yy", "09"},
          {0, "dd/MM/yyyy HH:mm", "30/12/1899 00:00"},
      },
      RegionalSettings::Default());
}

TEST(FormatDateTimeTest, TimeTokens) {
  const double morning = kMarch5 + TimeSerial(9, 5, 7);
  const double evening = kMarch5 + TimeSerial(21, 45, 30);
  const double midnight = kMarch5;
  const double noon = kMarch5 + 0.5;
  Check(
      {
          {morning, "h:mm:ss", "9:05:07"},
          {morning, "hh:mm:ss", "09:05:07"},
          {morning, "H:m:s", "9:5:7"},
          {evening, "HH:mm", "21:45"},
          {evening, "h:mm", "21:45"},
          {evening, "h:mm AM/PM", "9:45 PM"},
          {evening, "HH:mm AM/PM", "21:45 PM"},
          {morning, "hh:mm AM/PM", "09:05 AM"},
          {midnight, "h:mm AM/PM", "12:00 AM"},
          {noon, "h:mm AM/PM", "12:00 PM"},
          {midnight, "H:mm", "0:00"},
          // Rounded to the nearest second, the carry reaching the date.
          {kMarch5 + 1 - 0.1 / 86400, "d/MM HH:mm:ss", "6/03 00:00:00"},
          {kMarch5 + 0.5 + 0.6 / 86400, "HH:mm:ss", "12:00:01"},
      },
      RegionalSettings::Default());
}

// M is a month and m a minute, except that M or MM right after an hour is
// the minute, as report footers write "hh:MM AM/PM".
TEST(FormatDateTimeTest, MonthsAndMinutesAreCaseSensitive) {
  const double value = kMarch5 + TimeSerial(10, 7, 0);
  Check(
      {
          {value, "M m", "3 7"},
          {value, "MM mm", "03 07"},
          {value, "h:M", "10:7"},
          {value, "hh:MM AM/PM", "10:07 AM"},
          {value, "dd-MMM-yyyy hh:MM", "05-Mar-2004 10:07"},
          {value, "hh MMM", "10 Mar"},
          {value, "hh d MM", "10 5 03"},
          {value, "d/m/yyyy", "5/7/2004"},
      },
      RegionalSettings::Default());
}

TEST(FormatDateTimeTest, LiteralsAndLongRuns) {
  const double value = kMarch5 + TimeSerial(10, 7, 0);
  Check(
      {
          {value, "\"Day\" d \"of\" MMMM", "Day 5 of March"},
          {value, "\"d-M-y\"", "d-M-y"},
          {value, "\"open", "open"},
          {value, "", ""},
          {value, "ddd", "055"},
          {value, "MMMMM", "March3"},
          {value, "y", "y"},
          {value, "yyy", "04y"},
          {value, "yyyyy", "2004y"},
          {value, "hh.mm \"Uhr\"", "10.07 Uhr"},
          {value, "hh.mm Uhr", "10.07 U10r"},
          {value, "d€M", "5€3"},
      },
      RegionalSettings::Default());
}

TEST(FormatDateTimeTest, UsesTheSettingsNamesAndDesignators) {
  Check(
      {
          {kMarch5, "d. MMMM yyyy", "5. März 2004"},
          {kMarch5, "dd. MMM yy", "05. Mär 04"},
          {DateSerial(2004, 12, 24), "d. MMMM", "24. Dezember"},
          // No designators in the settings: the 12-hour clock keeps AM and PM.
          {kMarch5 + 0.75, "h:mm AM/PM", "6:00 PM"},
      },
      RegionalSettings::GermanGermany());

  RegionalSettings settings = RegionalSettings::Default();
  settings.amDesignator = "a.m.";
  settings.pmDesignator = "p.m.";
  Check(
      {
          {kMarch5 + 0.25, "h:mm AM/PM", "6:00 a.m."},
          {kMarch5 + 0.75, "h:mm am/pm", "6:00 p.m."},
          {kMarch5 + 0.75, "h:mm \"AM/PM\"", "18:00 AM/PM"},
      },
      settings);
}

TEST(FormatDateTimeTest, RaisesForSerialsWithoutDate) {
  try {
    FormatDateTime(1e300, "d", RegionalSettings::Default());
    ADD_FAILURE() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(e.Number(), err::kInvalidCall);
  }
}

}  // namespace
}  // namespace gridkit::host
