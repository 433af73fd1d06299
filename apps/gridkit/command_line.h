#pragma once
// The options of one command: "--name value" or "--name=value", each at most
// once unless the command lets it repeat, only the names the command knows;
// "--help" or "-h" asks for the usage text.

#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gridkit::cli {

class CommandOptions {
 public:
  // The names in repeatable are further options that may be given any number
  // of times. Raises UsageError for an unknown option, a missing value, a
  // repeated option that may not repeat, or a stray argument.
  CommandOptions(std::span<const std::string> args, std::initializer_list<std::string_view> known,
                 std::initializer_list<std::string_view> repeatable = {});

  bool HelpAsked() const { return help_; }
  bool Has(std::string_view name) const {
    return values_.contains(std::string(name)) || repeated_.contains(std::string(name));
  }
  // The value given, or fallback when the option is absent.
  std::string Get(std::string_view name, const std::string& fallback = {}) const;
  // Every value of a repeatable option, in the order given.
  std::vector<std::string> GetAll(std::string_view name) const;

 private:
  std::map<std::string, std::string> values_;
  std::map<std::string, std::vector<std::string>> repeated_;
  bool help_ = false;
};

}  // namespace gridkit::cli
