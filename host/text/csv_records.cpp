#include "host/text/csv_records.h"

#include <string_view>

namespace gridkit::host {

std::optional<std::vector<std::string>> CsvRecords::Next() {
  int c = input_.get();
  if (c == std::char_traits<char>::eof()) return std::nullopt;

  std::vector<std::string> record;
  std::string field;
  bool quoted = false;
  for (;; c = input_.get()) {
    if (c == std::char_traits<char>::eof()) {
      endedInQuotes_ = quoted;
      break;
    }
    const char ch = static_cast<char>(c);
    if (quoted) {
      if (ch != '"') {
        field.push_back(ch);
      } else if (input_.peek() == '"') {
        field.push_back('"');
        input_.get();
      } else {
        quoted = false;
      }
      continue;
    }
    if (ch == '"') {
      quoted = true;
    } else if (ch == ',') {
      record.push_back(std::move(field));
      field.clear();
    } else if (ch == '\n') {
      break;
    } else if (ch == '\r' && input_.peek() == '\n') {
      input_.get();
      break;
    } else {
      field.push_back(ch);
    }
  }
  record.push_back(std::move(field));
  if (first_) {
    first_ = false;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (record.front().starts_with(kByteOrderMark)) record.front().erase(0, kByteOrderMark.size());
  }
  return record;
}

}  // namespace gridkit::host
