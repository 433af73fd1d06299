#include "host/regional/date_recognition.h"

#include <array>

#include "host/regional/date_serial.h"
#include "host/text/blanks.h"
#include "host/text/characters.h"
#include "host/text/utf8.h"

namespace gridkit::host {

namespace {

// English names are accepted whatever the settings say.
constexpr std::array<std::string_view, 12> kEnglishMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 12> kEnglishMonthAbbreviations{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// ASCII letters and every byte of a multi-byte character: month names and
// designators are words, and a word that runs on is not one of them.
bool IsWordByte(char c) {
  return IsAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80;
}

// Byte length of the text at pos that equals the name but for case; 0 when
// it does not, or when the name is empty.
size_t MatchFolded(std::string_view text, size_t pos, std::string_view name) {
  size_t i = pos;
  size_t j = 0;
  while (j < name.size()) {
    if (i >= text.size()) return 0;
    const auto t = static_cast<unsigned char>(text[i]);
    const auto n = static_cast<unsigned char>(name[j]);
    if (t < 0x80 && n < 0x80) {
      // Most names are told apart by their first ASCII letter.
      if (FoldCase(t) != FoldCase(n)) return 0;
      ++i;
      ++j;
      continue;
    }
    if (FoldCase(DecodeChar(text, i)) != FoldCase(DecodeChar(name, j))) return 0;
  }
  return i - pos;
}

bool AtWordEnd(std::string_view text, size_t pos) {
  return pos >= text.size() || !IsWordByte(text[pos]);
}

// A separator the settings define, when it could not be mistaken for a blank
// or a digit.
std::string_view UsableSeparator(const std::string& separator) {
  if (separator.empty() || IsBlank(separator[0]) || IsDigit(separator[0])) return {};
  return separator;
}

struct Digits {
  int value = 0;
  int count = 0;
};

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
};

struct Time {
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool twelveHour = false;
};

// Where a joiner between the parts of a date with a month name is a
// separator character, it must be the same on both sides.
struct Joiner {
  bool blank = false;
  std::string_view mark;

  bool operator==(const Joiner&) const = default;
};

class Scanner {
 public:
  Scanner(std::string_view text, const RegionalSettings& settings)
      : text_(text),
        settings_(settings),
        dateSeparator_(UsableSeparator(settings.dateSeparator)),
        timeSeparator_(UsableSeparator(settings.timeSeparator)) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  bool AtBlank() const { return !AtEnd() && IsBlank(text_[pos_]); }
  bool AtDigit() const { return !AtEnd() && IsDigit(text_[pos_]); }
  void SkipBlanks() {
    while (AtBlank())
      ++pos_;
  }
  void Rewind() { pos_ = 0; }

  bool ReadDate(Date& date) {
    if (!AtDigit()) return ReadMonthFirstDate(date);
    Digits first;
    if (!ReadDigits(4, first)) return false;
    const size_t separator = DateSeparatorAt(pos_);
    if (separator > 0 && pos_ + separator < text_.size() && IsDigit(text_[pos_ + separator])) {
      return ReadNumericDate(first, date);
    }
    return ReadNamedDate(first, date);
  }

  // h:mm or h:mm:ss, then an optional AM/PM designator.
  bool ReadTime(Time& time) {
    Digits hour;
    Digits minute;
    Digits second;
    if (!ReadDigits(2, hour)) return false;
    const size_t separator = TimeSeparatorAt(pos_);
    if (separator == 0) return false;
    const std::string_view mark = text_.substr(pos_, separator);
    pos_ += separator;
    if (!ReadDigits(2, minute) || minute.count != 2) return false;
    if (text_.substr(pos_).starts_with(mark)) {
      pos_ += mark.size();
      if (!ReadDigits(2, second) || second.count != 2) return false;
    }
    if (minute.value > 59 || second.value > 59) return false;

    const int designator = ReadDesignator();
    if (designator == 0) {
      if (hour.value > 23) return false;
      time.hour = hour.value;
    } else {
      if (hour.value < 1 || hour.value > 12) return false;
      time.hour = hour.value % 12 + (designator == 2 ? 12 : 0);
      time.twelveHour = true;
    }
    time.minute = minute.value;
    time.second = second.value;
    return true;
  }

 private:
  // One to maxCount digits; a longer run of digits fails.
  bool ReadDigits(int maxCount, Digits& digits) {
    digits = {};
    while (AtDigit()) {
      if (digits.count == maxCount) return false;
      digits.value = digits.value * 10 + (text_[pos_] - '0');
      ++digits.count;
      ++pos_;
    }
    return digits.count > 0;
  }

  size_t DateSeparatorAt(size_t pos) const {
    if (!dateSeparator_.empty() && text_.substr(pos).starts_with(dateSeparator_)) {
      return dateSeparator_.size();
    }
    if (pos < text_.size() && (text_[pos] == '/' || text_[pos] == '-' || text_[pos] == '.')) {
      return 1;
    }
    return 0;
  }

  size_t TimeSeparatorAt(size_t pos) const {
    if (!timeSeparator_.empty() && text_.substr(pos).starts_with(timeSeparator_)) {
      return timeSeparator_.size();
    }
    return pos < text_.size() && text_[pos] == ':' ? 1 : 0;
  }

  static bool ToYear(const Digits& digits, int& year) {
    if (digits.count == 2) {
      year = digits.value < 30 ? 2000 + digits.value : 1900 + digits.value;
    } else if (digits.count == 4) {
      year = digits.value;
    } else {
      return false;
    }
    return true;
  }

  static bool IsDayOrMonth(const Digits& digits) { return digits.count <= 2; }

  // The date system has no serial before 1900.
  static bool Finish(int year, int month, int day, Date& date) {
    if (year < 1900 || !IsValidDate(year, month, day)) return false;
    date = {year, month, day};
    return true;
  }

  // Three numbers with the same separator twice; the first already read.
  bool ReadNumericDate(const Digits& first, Date& date) {
    const size_t separator = DateSeparatorAt(pos_);
    const std::string_view mark = text_.substr(pos_, separator);
    pos_ += separator;
    Digits second;
    Digits third;
    if (!ReadDigits(2, second) || !text_.substr(pos_).starts_with(mark)) return false;
    pos_ += mark.size();
    if (!ReadDigits(4, third)) return false;

    int year = 0;
    if (first.count == 4) {
      return IsDayOrMonth(third) && Finish(first.value, second.value, third.value, date);
    }
    switch (settings_.dateOrder) {
      case DateOrder::DayMonthYear:
        return IsDayOrMonth(first) && ToYear(third, year) &&
               Finish(year, second.value, first.value, date);
      case DateOrder::MonthDayYear:
        return IsDayOrMonth(first) && ToYear(third, year) &&
               Finish(year, first.value, second.value, date);
      case DateOrder::YearMonthDay:
        return IsDayOrMonth(third) && ToYear(first, year) &&
               Finish(year, second.value, third.value, date);
    }
    return false;
  }

  // "5 March 2004", "5-Mar-04", "5. März 2004", or year first "2004-Mar-05";
  // the first number already read.
  bool ReadNamedDate(const Digits& first, Date& date) {
    Joiner before;
    Joiner after;
    Digits last;
    int month = 0;
    if (!ReadJoiner(before) || (month = ReadMonth()) == 0 || !ReadJoiner(after) ||
        !ReadDigits(4, last)) {
      return false;
    }
    int year = 0;
    if (first.count == 4) {
      return before == after && IsDayOrMonth(last) && Finish(first.value, month, last.value, date);
    }
    // A dot straight after the day is the German ordinal dot: "5.März 2004".
    const bool ordinalDot = !before.blank && before.mark == "." && after.blank;
    return (before == after || ordinalDot) && IsDayOrMonth(first) && ToYear(last, year) &&
           Finish(year, month, first.value, date);
  }

  // "March 5, 2004", "Mar 5 2004".
  bool ReadMonthFirstDate(Date& date) {
    Joiner before;
    Joiner after;
    Digits day;
    Digits last;
    int year = 0;
    const int month = ReadMonth();
    return month != 0 && ReadJoiner(before) && ReadDigits(2, day) && ReadJoiner(after) &&
           ReadDigits(4, last) && before == after && ToYear(last, year) &&
           Finish(year, month, day.value, date);
  }

  // Blanks, optionally after a dot or a comma, or one date separator.
  bool ReadJoiner(Joiner& joiner) {
    bool dot = false;
    bool comma = false;
    if (!AtEnd() && text_[pos_] == '.') {
      dot = true;
      ++pos_;
    }
    if (!AtEnd() && text_[pos_] == ',') {
      comma = true;
      ++pos_;
    }
    const size_t start = pos_;
    SkipBlanks();
    if (comma || pos_ > start) {
      joiner = {true, {}};
      return true;
    }
    if (dot) {
      joiner = {false, "."};
      return true;
    }
    const size_t separator = DateSeparatorAt(pos_);
    if (separator == 0) return false;
    joiner = {false, text_.substr(pos_, separator)};
    pos_ += separator;
    return true;
  }

  // 1 to 12 for the longest month name or abbreviation at the position, 0
  // when there is none.
  int ReadMonth() {
    if (AtEnd() || !IsWordByte(text_[pos_])) return 0;
    int month = 0;
    size_t length = 0;
    const auto consider = [&](const auto& names) {
      for (size_t k = 0; k < names.size(); ++k) {
        const size_t matched = MatchFolded(text_, pos_, names[k]);
        if (matched > length && AtWordEnd(text_, pos_ + matched)) {
          length = matched;
          month = static_cast<int>(k) + 1;
        }
      }
    };
    consider(settings_.monthNames);
    consider(settings_.monthAbbreviations);
    consider(kEnglishMonthNames);
    consider(kEnglishMonthAbbreviations);
    pos_ += length;
    return month;
  }

  // 1 for AM, 2 for PM, after optional blanks; 0 (and nothing read) when
  // neither follows.
  int ReadDesignator() {
    const size_t start = pos_;
    SkipBlanks();
    if (!AtEnd() && IsWordByte(text_[pos_])) {
      const std::array<std::pair<std::string_view, int>, 4> designators{
          {{settings_.amDesignator, 1}, {settings_.pmDesignator, 2}, {"AM", 1}, {"PM", 2}}};
      for (const auto& [name, value] : designators) {
        const size_t matched = MatchFolded(text_, pos_, name);
        if (matched > 0 && AtWordEnd(text_, pos_ + matched)) {
          pos_ += matched;
          return value;
        }
      }
    }
    pos_ = start;
    return 0;
  }

  std::string_view text_;
  const RegionalSettings& settings_;
  std::string_view dateSeparator_;
  std::string_view timeSeparator_;
  size_t pos_ = 0;
};

}  // namespace

std::optional<RecognizedDateTime> RecognizeDateTime(std::string_view text,
                                                    const RegionalSettings& settings) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  // Every date and time starts with a digit or a month name, and holds a digit.
  const bool leadingDigit = IsDigit(text[0]);
  if (!leadingDigit &&
      (!IsWordByte(text[0]) || text.find_first_of("0123456789") == std::string_view::npos)) {
    return std::nullopt;
  }

  Scanner scanner(text, settings);
  Date date;
  Time time;
  RecognizedDateTime result;
  if (scanner.ReadDate(date)) {
    result.hasDate = true;
    if (!scanner.AtEnd()) {
      if (!scanner.AtBlank()) return std::nullopt;
      scanner.SkipBlanks();
      if (!scanner.ReadTime(time)) return std::nullopt;
      result.hasTime = true;
    }
  } else {
    if (!leadingDigit) return std::nullopt;
    scanner.Rewind();
    if (!scanner.ReadTime(time)) return std::nullopt;
    result.hasTime = true;
  }
  if (!scanner.AtEnd()) return std::nullopt;

  if (result.hasDate) {
    result.year = date.year;
    result.month = date.month;
    result.day = date.day;
    result.serial = DateSerial(date.year, date.month, date.day);
  }
  if (result.hasTime) {
    result.hour = time.hour;
    result.minute = time.minute;
    result.second = time.second;
    result.twelveHour = time.twelveHour;
    result.serial += TimeSerial(time.hour, time.minute, time.second);
  }
  return result;
}

}  // namespace gridkit::host
