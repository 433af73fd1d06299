#pragma once
// The options of one command: "--name value" or "--name=value", each at most
// once, only the names the command knows; "--help" or "-h" asks for the
// usage text.

#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace gridkit::cli {

class CommandOptions {
 public:
  // Raises UsageError for an unknown option, a missing value, a repeated
  // option or a stray argument.
  CommandOptions(std::span<const std::string> args, std::initializer_list<std::string_view> known);

  bool HelpAsked() const { return help_; }
  bool Has(std::string_view name) const { return values_.contains(std::string(name)); }
  // The value given, or fallback when the option is absent.
  std::string Get(std::string_view name, const std::string& fallback = {}) const;

 private:
  std::map<std::string, std::string> values_;
  bool help_ = false;
};

}  // namespace gridkit::cli
