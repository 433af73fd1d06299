#include "host/regional/date_serial.h"

#include <chrono>
#include <cmath>
#include <cstdint>

#include "host/error.h"

namespace gridkit::host {

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr sys_days kEpoch{std::chrono::year{1899} / 12 / 30};
// True day count of 1 March 1900, the first day the spreadsheet numbers
// correctly; the days before it in 1900 are numbered one short.
constexpr int64_t kFirstTrueDay = 61;
constexpr int64_t kLeapBugDay = 60;
constexpr int64_t kSecondsPerDay = 86400;

constexpr int64_t TrueDayCount(const year_month_day& date) {
  return (sys_days{date} - kEpoch).count();
}

constexpr int64_t kFirstDay = TrueDayCount(std::chrono::year{1} / 1 / 1);
constexpr int64_t kLastDay = TrueDayCount(std::chrono::year{9999} / 12 / 31);

year_month_day MakeDate(int year, int month, int day) {
  return year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                        std::chrono::day{static_cast<unsigned>(day)}};
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
  // Range checks first: the calendar types hold only small values.
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
  return MakeDate(year, month, day).ok();
}

double DateSerial(int year, int month, int day) {
  if (year < 1900 || !IsValidDate(year, month, day)) throw Error::Standard(err::kInvalidCall);
  const int64_t count = TrueDayCount(MakeDate(year, month, day));
  return static_cast<double>(count < kFirstTrueDay ? count - 1 : count);
}

double TimeSerial(int hour, int minute, int second) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    throw Error::Standard(err::kInvalidCall);
  }
  return static_cast<double>(hour * 3600 + minute * 60 + second) / kSecondsPerDay;
}

CivilDateTime FromSerial(double serial) {
  // The rough check keeps the rounding below within range (and rejects NaN).
  if (!(serial >= static_cast<double>(kFirstDay - 1) &&
        serial <= static_cast<double>(kLastDay + 1))) {
    throw Error::Standard(err::kInvalidCall);
  }
  const int64_t total = std::llround(serial * kSecondsPerDay);
  int64_t dayCount = total / kSecondsPerDay;
  int64_t seconds = total % kSecondsPerDay;
  if (seconds < 0) {
    seconds += kSecondsPerDay;
    --dayCount;
  }
  if (dayCount < kFirstDay || dayCount > kLastDay) throw Error::Standard(err::kInvalidCall);

  CivilDateTime result;
  if (dayCount == kLeapBugDay) {
    result.year = 1900;
    result.month = 2;
    result.day = 29;
  } else {
    const int64_t trueCount = dayCount >= 1 && dayCount < kLeapBugDay ? dayCount + 1 : dayCount;
    const year_month_day date{kEpoch + days{trueCount}};
    result.year = static_cast<int>(date.year());
    result.month = static_cast<int>(static_cast<unsigned>(date.month()));
    result.day = static_cast<int>(static_cast<unsigned>(date.day()));
  }
  result.hour = static_cast<int>(seconds / 3600);
  result.minute = static_cast<int>(seconds / 60 % 60);
  result.second = static_cast<int>(seconds % 60);
  return result;
}

}  // namespace gridkit::host
