#pragma once
// The spreadsheet model's record of the operations it was given, in order,
// one line each ("B7.FormulaR1C1 = 12.50", "A1:C1.Merge"). Off unless asked
// for, since a large export makes millions of them.

#include <string>
#include <vector>

namespace gridkit::host {

class OperationLog {
 public:
  explicit OperationLog(bool enabled) : enabled_(enabled) {}
  bool Enabled() const { return enabled_; }
  void Add(std::string line) {
    if (enabled_) lines_.push_back(std::move(line));
  }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  bool enabled_;
  std::vector<std::string> lines_;
};

}  // namespace gridkit::host
