#include "platform/qt/regional_settings_qt.h"

#include <QLocale>
#include <QString>

#include "host/error.h"

namespace gridkit::platform {

namespace {

std::string Std(const QString& text) {
  return text.toStdString();
}

// Date order and separator from a short date pattern such as "dd/MM/yyyy".
void ReadDatePattern(const QString& pattern, host::RegionalSettings& settings) {
  const qsizetype day = pattern.indexOf('d');
  const qsizetype month = pattern.indexOf('M');
  const qsizetype year = pattern.indexOf('y');
  if (day >= 0 && month >= 0 && year >= 0) {
    if (year < month && month < day) {
      settings.dateOrder = host::DateOrder::YearMonthDay;
    } else if (month < day) {
      settings.dateOrder = host::DateOrder::MonthDayYear;
    } else {
      settings.dateOrder = host::DateOrder::DayMonthYear;
    }
  }
  for (const QChar c : pattern) {
    if (!c.isLetter() && !c.isSpace()) {
      settings.dateSeparator = Std(QString(c));
      break;
    }
  }
}

// Qt writes some abbreviations with a closing point ("Jan." in German).
std::string Abbreviation(const QString& name) {
  QString text = name;
  if (text.endsWith('.')) text.chop(1);
  return Std(text);
}

}  // namespace

host::RegionalSettings RegionalSettingsForLocale(const std::string& name) {
  QLocale locale = name.empty() ? QLocale::system() : QLocale(QString::fromStdString(name));
  if (!name.empty() && name != "C" && locale.language() == QLocale::C) {
    throw host::Error(host::err::kInvalidCall, "Unknown locale: " + name);
  }
  host::RegionalSettings settings;
  ReadDatePattern(locale.dateFormat(QLocale::ShortFormat), settings);
  const QString time = locale.timeFormat(QLocale::ShortFormat);
  for (const QChar c : time) {
    if (!c.isLetter() && !c.isSpace()) {
      settings.timeSeparator = Std(QString(c));
      break;
    }
  }
  for (int month = 1; month <= 12; ++month) {
    settings.monthNames[static_cast<size_t>(month - 1)] =
        Std(locale.standaloneMonthName(month, QLocale::LongFormat));
    settings.monthAbbreviations[static_cast<size_t>(month - 1)] =
        Abbreviation(locale.monthName(month, QLocale::ShortFormat));
  }
  settings.amDesignator = Std(locale.amText());
  settings.pmDesignator = Std(locale.pmText());
  settings.decimalSeparator = Std(locale.decimalPoint());
  settings.thousandsSeparator = Std(locale.groupSeparator());
  return settings;
}

}  // namespace gridkit::platform
