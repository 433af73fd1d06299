#include "platform/qt/regional_settings_qt.h"

#include <gtest/gtest.h>

#include "host/error.h"

namespace gridkit {
namespace {

TEST(RegionalSettingsQt, ReadsDateOrderSeparatorsAndNamesOfKnownLocales) {
  struct Case {
    const char* locale;
    host::DateOrder order;
    const char* dateSeparator;
    const char* decimal;
    const char* march;
  };
  const Case cases[] = {
      {"en_GB", host::DateOrder::DayMonthYear, "/", ".", "March"},
      {"en_US", host::DateOrder::MonthDayYear, "/", ".", "March"},
      {"de_DE", host::DateOrder::DayMonthYear, ".", ",", "März"},
      {"sv_SE", host::DateOrder::YearMonthDay, "-", ",", "mars"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    const host::RegionalSettings settings = platform::RegionalSettingsForLocale(c.locale);
    EXPECT_EQ(settings.dateOrder, c.order);
    EXPECT_EQ(settings.dateSeparator, c.dateSeparator);
    EXPECT_EQ(settings.decimalSeparator, c.decimal);
    EXPECT_EQ(settings.monthNames[2], c.march);
    EXPECT_EQ(settings.timeSeparator, ":");
  }
}

TEST(RegionalSettingsQt, GermanAbbreviationsHaveNoClosingPoint) {
  const host::RegionalSettings settings = platform::RegionalSettingsForLocale("de_DE");
  EXPECT_EQ(settings.monthAbbreviations[0], "Jan");
}

TEST(RegionalSettingsQt, AnUnknownLocaleIsAnError) {
  EXPECT_THROW(platform::RegionalSettingsForLocale("xx_nonsense"), host::Error);
}

TEST(RegionalSettingsQt, TheMachineLocaleAlwaysReads) {
  EXPECT_NO_THROW(platform::RegionalSettingsForLocale(""));
}

}  // namespace
}  // namespace gridkit
