#pragma once
// The options of one command: "--name value" or "--name=value", each at most
// once unless the command lets it repeat, switches that take no value
// ("--name"), only the names the command knows; "--help" or "-h" asks for the
// usage text.

#include <initializer_list>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gridkit::cli {

class CommandOptions {
 public:
  // The names in repeatable are further options that may be given any number
  // of times; those in switches take no value and are given at most once.
  // Raises UsageError for an unknown option, a missing value, a value given
  // to a switch, a repeated option that may not repeat, or a stray argument.
  CommandOptions(std::span<const std::string> args, std::initializer_list<std::string_view> known,
                 std::initializer_list<std::string_view> repeatable = {},
                 std::initializer_list<std::string_view> switches = {});

  bool HelpAsked() const { return help_; }
  bool Has(std::string_view name) const {
    const std::string key(name);
    return values_.contains(key) || repeated_.contains(key) || switches_.contains(key);
  }
  // The value given, or fallback when the option is absent.
  std::string Get(std::string_view name, const std::string& fallback = {}) const;
  // Every value of a repeatable option, in the order given.
  std::vector<std::string> GetAll(std::string_view name) const;

 private:
  std::map<std::string, std::string> values_;
  std::map<std::string, std::vector<std::string>> repeated_;
  std::set<std::string> switches_;
  bool help_ = false;
};

}  // namespace gridkit::cli
