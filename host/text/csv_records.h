#pragma once
// Records of comma-separated text (RFC 4180): fields split by commas, a
// field in double quotes may hold commas, line breaks and doubled quotes;
// records end with CR LF, LF or the end of the text.

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

 private:
  std::istream& input_;
};

}  // namespace gridkit::host
