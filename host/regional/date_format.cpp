#include "host/regional/date_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "host/regional/date_serial.h"

namespace gridkit::host {

namespace {

constexpr std::string_view kAmPm = "AM/PM";

bool AtAmPm(std::string_view pattern, size_t pos) {
  if (pattern.size() - pos < kAmPm.size()) return false;
  for (size_t k = 0; k < kAmPm.size(); ++k) {
    char c = pattern[pos + k];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kAmPm[k]) return false;
  }
  return true;
}

// Whether AM/PM stands in the pattern outside quoted text.
bool HasAmPm(std::string_view pattern) {
  bool quoted = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '"') {
      quoted = !quoted;
    } else if (!quoted && AtAmPm(pattern, i)) {
      return true;
    }
  }
  return false;
}

void AppendNumber(std::string& out, int value, size_t width) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  const auto length = static_cast<size_t>(end - buffer);
  if (length < width) out.append(width - length, '0');
  out.append(buffer, length);
}

size_t RunLength(std::string_view pattern, size_t pos) {
  size_t end = pos;
  while (end < pattern.size() && pattern[end] == pattern[pos])
    ++end;
  return end - pos;
}

}  // namespace

std::string FormatDateTime(double serial, std::string_view pattern,
                           const RegionalSettings& settings) {
  const CivilDateTime time = FromSerial(serial);
  const bool twelveHour = HasAmPm(pattern);
  // Settings without designators (a 24-hour region) still need AM and PM
  // told apart when the pattern asks for a 12-hour clock.
  const std::string_view am = settings.amDesignator.empty()
                                  ? std::string_view("AM")
                                  : std::string_view(settings.amDesignator);
  const std::string_view pm = settings.pmDesignator.empty()
                                  ? std::string_view("PM")
                                  : std::string_view(settings.pmDesignator);
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;

  std::string out;
  // Whether the last token was an hour, perhaps followed by separators: an
  // M or MM there is the minute, as in "hh:MM".
  bool afterHour = false;
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '"') {
      const size_t close = pattern.find('"', i + 1);
      const size_t end = close == std::string_view::npos ? pattern.size() : close;
      out.append(pattern.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? pattern.size() : close + 1;
      continue;
    }
    if (AtAmPm(pattern, i)) {
      out.append(time.hour < 12 ? am : pm);
      i += kAmPm.size();
      continue;
    }
    const size_t run = RunLength(pattern, i);
    const size_t upToTwo = std::min<size_t>(run, 2);
    size_t used = upToTwo;
    if (c == 'M' && afterHour && run <= 2) {
      AppendNumber(out, time.minute, upToTwo);
      afterHour = false;
      i += used;
      continue;
    }
    if (c == 'h' || c == 'H') {
      afterHour = true;
    } else if (std::isalnum(static_cast<unsigned char>(c))) {
      afterHour = false;
    }
    switch (c) {
      case 'd':
        AppendNumber(out, time.day, upToTwo);
        break;
      case 'M':
        used = std::min<size_t>(run, 4);
        if (used == 4) {
          out.append(settings.monthNames[time.month - 1]);
        } else if (used == 3) {
          out.append(settings.monthAbbreviations[time.month - 1]);
        } else {
          AppendNumber(out, time.month, used);
        }
        break;
      case 'y':
        if (run >= 4) {
          used = 4;
          AppendNumber(out, time.year, 4);
        } else if (run >= 2) {
          used = 2;
          AppendNumber(out, time.year % 100, 2);
        } else {
          used = 1;
          out.push_back(c);
        }
        break;
      case 'h':
        AppendNumber(out, twelveHour ? hour12 : time.hour, upToTwo);
        break;
      case 'H':
        AppendNumber(out, time.hour, upToTwo);
        break;
      case 'm':
        AppendNumber(out, time.minute, upToTwo);
        break;
      case 's':
        AppendNumber(out, time.second, upToTwo);
        break;
      default:
        used = 1;
        out.push_back(c);
        break;
    }
    i += used;
  }
  return out;
}

}  // namespace gridkit::host
