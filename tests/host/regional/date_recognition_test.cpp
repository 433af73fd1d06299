#include "host/regional/date_recognition.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "host/regional/date_serial.h"

namespace gridkit::host {
namespace {

enum class Region { GB, US, DE };

RegionalSettings SettingsOf(Region region) {
  switch (region) {
    case Region::US:
      return RegionalSettings::EnglishUnitedStates();
    case Region::DE:
      return RegionalSettings::GermanGermany();
    case Region::GB:
      break;
  }
  return RegionalSettings::Default();
}

const char* NameOf(Region region) {
  switch (region) {
    case Region::US:
      return "en_US";
    case Region::DE:
      return "de_DE";
    case Region::GB:
      break;
  }
  return "en_GB";
}

struct DateCase {
  Region region;
  std::string_view text;
  int year;
  int month;
  int day;
};

TEST(RecognizeDateTimeTest, Dates) {
  const std::vector<DateCase> cases{
      // Numeric dates follow the settings' order.
      {Region::GB, "5/3/2004", 2004, 3, 5},
      {Region::US, "5/3/2004", 2004, 5, 3},
      {Region::DE, "05.03.2004", 2004, 3, 5},
      {Region::GB, "05-03-2004", 2004, 3, 5},
      {Region::GB, "5.3.2004", 2004, 3, 5},
      {Region::US, "12/31/2004", 2004, 12, 31},
      {Region::GB, "31/12/2004", 2004, 12, 31},
      {Region::GB, "29/02/2004", 2004, 2, 29},
      {Region::GB, "  5/3/2004\t", 2004, 3, 5},
      // A leading four-digit year is year-month-day in every order.
      {Region::GB, "2004-03-05", 2004, 3, 5},
      {Region::US, "2004-03-05", 2004, 3, 5},
      {Region::DE, "2004-03-05", 2004, 3, 5},
      {Region::US, "2004/3/5", 2004, 3, 5},
      // Two-digit years: 00-29 in this century, 30-99 in the last.
      {Region::GB, "5/3/04", 2004, 3, 5},
      {Region::GB, "5/3/29", 2029, 3, 5},
      {Region::GB, "5/3/30", 1930, 3, 5},
      {Region::GB, "5/3/99", 1999, 3, 5},
      {Region::GB, "5/3/00", 2000, 3, 5},
      {Region::GB, "1/1/1900", 1900, 1, 1},
      {Region::GB, "31/12/9999", 9999, 12, 31},
      // Month names and abbreviations.
      {Region::GB, "5 March 2004", 2004, 3, 5},
      {Region::GB, "5-Mar-2004", 2004, 3, 5},
      {Region::GB, "5-Mar-04", 2004, 3, 5},
      {Region::GB, "5/Mar/2004", 2004, 3, 5},
      {Region::GB, "March 5, 2004", 2004, 3, 5},
      {Region::GB, "Mar 5 2004", 2004, 3, 5},
      {Region::US, "Mar. 5, 2004", 2004, 3, 5},
      {Region::US, "5 MARCH 2004", 2004, 3, 5},
      {Region::US, "5 march 2004", 2004, 3, 5},
      {Region::GB, "2004-Mar-05", 2004, 3, 5},
      {Region::GB, "30 September 2004", 2004, 9, 30},
      {Region::GB, "1 Sep 2004", 2004, 9, 1},
      {Region::DE, "5. März 2004", 2004, 3, 5},
      {Region::DE, "5. MÄRZ 2004", 2004, 3, 5},
      {Region::DE, "5.März 2004", 2004, 3, 5},
      {Region::DE, "5-Mär-04", 2004, 3, 5},
      {Region::DE, "1. Oktober 2004", 2004, 10, 1},
      {Region::DE, "24. Dez. 2004", 2004, 12, 24},
      // English names are understood under any settings.
      {Region::DE, "5 March 2004", 2004, 3, 5},
      {Region::DE, "1 Oct 2004", 2004, 10, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << NameOf(c.region) << " \"" << c.text << "\"");
    const auto result = RecognizeDateTime(c.text, SettingsOf(c.region));
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->hasDate);
    EXPECT_FALSE(result->hasTime);
    EXPECT_EQ(result->year, c.year);
    EXPECT_EQ(result->month, c.month);
    EXPECT_EQ(result->day, c.day);
    EXPECT_EQ(result->serial, DateSerial(c.year, c.month, c.day));
  }
}

struct TimeCase {
  Region region;
  std::string_view text;
  int hour;
  int minute;
  int second;
};

TEST(RecognizeDateTimeTest, TimesAlone) {
  const std::vector<TimeCase> cases{
      {Region::GB, "12:30", 12, 30, 0},
      {Region::GB, "0:00", 0, 0, 0},
      {Region::GB, "9:05", 9, 5, 0},
      {Region::GB, "23:59:59", 23, 59, 59},
      {Region::DE, "10:15:30", 10, 15, 30},
      {Region::GB, "10:15 AM", 10, 15, 0},
      {Region::GB, "10:15 PM", 22, 15, 0},
      {Region::GB, "10:15pm", 22, 15, 0},
      {Region::US, "10:15:30 pm", 22, 15, 30},
      {Region::US, "12:00 AM", 0, 0, 0},
      {Region::US, "12:30 PM", 12, 30, 0},
      {Region::US, "1:00 am", 1, 0, 0},
      // German settings have no designators; AM and PM are still understood.
      {Region::DE, "10:15 PM", 22, 15, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << NameOf(c.region) << " \"" << c.text << "\"");
    const auto result = RecognizeDateTime(c.text, SettingsOf(c.region));
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->hasDate);
    EXPECT_TRUE(result->hasTime);
    EXPECT_EQ(result->hour, c.hour);
    EXPECT_EQ(result->minute, c.minute);
    EXPECT_EQ(result->second, c.second);
    EXPECT_DOUBLE_EQ(result->serial, TimeSerial(c.hour, c.minute, c.second));
  }
}

struct DateTimeCase {
  Region region;
  std::string_view text;
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};

TEST(RecognizeDateTimeTest, DateFollowedByTime) {
  const std::vector<DateTimeCase> cases{
      {Region::GB, "5/3/2004 10:15", 2004, 3, 5, 10, 15, 0},
      {Region::US, "5/3/2004 10:15", 2004, 5, 3, 10, 15, 0},
      {Region::GB, "2004-03-05 10:15:30", 2004, 3, 5, 10, 15, 30},
      {Region::DE, "05.03.2004 23:05", 2004, 3, 5, 23, 5, 0},
      {Region::US, "3/5/2004  11:59:59 PM", 2004, 3, 5, 23, 59, 59},
      {Region::GB, "5 March 2004 12:00 AM", 2004, 3, 5, 0, 0, 0},
      {Region::US, "March 5, 2004 10:15", 2004, 3, 5, 10, 15, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << NameOf(c.region) << " \"" << c.text << "\"");
    const auto result = RecognizeDateTime(c.text, SettingsOf(c.region));
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->hasDate);
    EXPECT_TRUE(result->hasTime);
    EXPECT_EQ(result->year, c.year);
    EXPECT_EQ(result->month, c.month);
    EXPECT_EQ(result->day, c.day);
    EXPECT_EQ(result->hour, c.hour);
    EXPECT_EQ(result->minute, c.minute);
    EXPECT_EQ(result->second, c.second);
    EXPECT_DOUBLE_EQ(result->serial,
                     DateSerial(c.year, c.month, c.day) + TimeSerial(c.hour, c.minute, c.second));
  }
}

struct RejectCase {
  Region region;
  std::string_view text;
};

TEST(RecognizeDateTimeTest, NotDates) {
  const std::vector<RejectCase> cases{
      // Days that do not exist, months past twelve.
      {Region::GB, "31/02/2004"},
      {Region::GB, "29/02/2003"},
      {Region::GB, "29/02/1900"},
      {Region::GB, "5/13/2004"},
      {Region::US, "13/5/2004"},
      {Region::GB, "0/3/2004"},
      {Region::GB, "2004-02-30"},
      {Region::GB, "31 Feb 2004"},
      // Years the date system has no serial for.
      {Region::GB, "5/3/1899"},
      {Region::GB, "1899-12-31"},
      {Region::GB, "5/3/10000"},
      {Region::GB, "5/3/204"},
      {Region::GB, "5/3/4"},
      // Plain numbers, also where "." separates dates.
      {Region::GB, "1234"},
      {Region::GB, "12.50"},
      {Region::DE, "12.50"},
      {Region::DE, "1.5"},
      {Region::GB, "1.5"},
      {Region::GB, "-5"},
      {Region::GB, "20040305"},
      {Region::DE, "1.2.3"},
      // Two parts are not a date.
      {Region::GB, "1/2"},
      {Region::US, "1/2"},
      {Region::GB, "Mar 2004"},
      {Region::GB, "5 March"},
      // Mixed or extra separators, trailing garbage.
      {Region::GB, "5/3-2004"},
      {Region::GB, "5-Mar/2004"},
      {Region::GB, "5/3/2004/1"},
      {Region::GB, "5/3/2004x"},
      {Region::GB, "5/3/2004 x"},
      {Region::GB, "5/3/2004 10"},
      {Region::GB, "5/3/2004 10:15x"},
      {Region::GB, "5/3/2004 10:15:"},
      {Region::GB, "5/3/2004,10:15"},
      {Region::GB, "x5/3/2004"},
      {Region::GB, "005/3/2004"},
      {Region::GB, "5 Marching 2004"},
      {Region::GB, "5 Ma 2004"},
      {Region::GB, "5March2004"},
      // Empty text, blanks, lone separators, words.
      {Region::GB, ""},
      {Region::GB, "   "},
      {Region::GB, "/"},
      {Region::GB, ":"},
      {Region::GB, "-"},
      {Region::GB, "March"},
      {Region::GB, "Total"},
      {Region::GB, "Mär 5 2004"},
      // Times outside the clock or malformed.
      {Region::GB, "25:00"},
      {Region::GB, "24:00"},
      {Region::GB, "10:60"},
      {Region::GB, "10:15:60"},
      {Region::GB, "10:5"},
      {Region::GB, "100:00"},
      {Region::GB, "10:"},
      {Region::GB, "10:15:30:00"},
      {Region::GB, "13:00 PM"},
      {Region::GB, "0:30 AM"},
      {Region::GB, "10:15 XM"},
      {Region::GB, "10:15 AMX"},
      {Region::GB, "10.15"},
      // Invalid UTF-8 in place of a month name.
      {Region::DE, "5. M\xE4rz 2004"},
      {Region::DE, "5. \xC3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << NameOf(c.region) << " \"" << c.text << "\"");
    EXPECT_FALSE(RecognizeDateTime(c.text, SettingsOf(c.region)).has_value());
  }
}

// Separators and designators the settings bring beyond the common ones.
TEST(RecognizeDateTimeTest, OwnSeparatorsAndDesignators) {
  RegionalSettings settings = RegionalSettings::Default();
  settings.dateOrder = DateOrder::YearMonthDay;
  settings.dateSeparator = "·";
  settings.timeSeparator = ".";
  settings.amDesignator = "vorm.";
  settings.pmDesignator = "nachm.";

  struct Case {
    std::string_view text;
    bool recognized;
    int year;
    int month;
    int day;
    int hour;
    int minute;
  };
  const std::vector<Case> cases{
      {"04·03·05", true, 2004, 3, 5, 0, 0},
      {"04/03/05", true, 2004, 3, 5, 0, 0},
      {"04·03/05", false, 0, 0, 0, 0, 0},
      {"10.15", true, 0, 0, 0, 10, 15},
      {"10:15", true, 0, 0, 0, 10, 15},
      {"10.15:30", false, 0, 0, 0, 0, 0},
      {"10.15 nachm.", true, 0, 0, 0, 22, 15},
      {"10.15 VORM.", true, 0, 0, 0, 10, 15},
      {"04-03-05 10.15 pm", true, 2004, 3, 5, 22, 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto result = RecognizeDateTime(c.text, settings);
    ASSERT_EQ(result.has_value(), c.recognized);
    if (!result) continue;
    EXPECT_EQ(result->year, c.year);
    EXPECT_EQ(result->month, c.month);
    EXPECT_EQ(result->day, c.day);
    EXPECT_EQ(result->hour, c.hour);
    EXPECT_EQ(result->minute, c.minute);
  }
}

// Month names of other scripts match whatever their case.
TEST(RecognizeDateTimeTest, MonthNamesIgnoreCaseBeyondAscii) {
  RegionalSettings settings = RegionalSettings::Default();
  settings.monthNames[2] = "марта";
  settings.monthNames[11] = "décembre";
  settings.monthAbbreviations[9] = "Paź";

  struct Case {
    std::string_view text;
    int month;
  };
  const std::vector<Case> cases{
      {"5 МАРТА 2004", 3},
      {"5 Марта 2004", 3},
      {"5 DÉCEMBRE 2004", 12},
      {"5 PAŹ 2004", 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto result = RecognizeDateTime(c.text, settings);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->month, c.month);
  }
}

}  // namespace
}  // namespace gridkit::host
