#pragma once
// Records of comma-separated text (RFC 4180): fields split by commas, a
// field in double quotes may hold commas, line breaks and doubled quotes;
// records end with CR LF, LF or the end of the text. A UTF-8 byte order mark
// at the start, as spreadsheets save CSV, is not part of the first field.

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace gridkit::host {

class CsvRecords {
 public:
  explicit CsvRecords(std::istream& input) : input_(input) {}
  // The next record, or nothing at the end of the input. An empty line gives
  // a record of one empty field.
  std::optional<std::vector<std::string>> Next();
  // Whether the input ended inside a quoted field; the last record then
  // holds the rest of the input in that field.
  bool EndedInQuotes() const { return endedInQuotes_; }

 private:
  std::istream& input_;
  bool endedInQuotes_ = false;
  bool first_ = true;
};

}  // namespace gridkit::host
