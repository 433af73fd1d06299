#include "apps/gridkit/command_line.h"

#include <algorithm>

#include "apps/gridkit/cli_errors.h"

namespace gridkit::cli {

CommandOptions::CommandOptions(std::span<const std::string> args,
                               std::initializer_list<std::string_view> known,
                               std::initializer_list<std::string_view> repeatable,
                               std::initializer_list<std::string_view> switches) {
  const auto among = [](std::initializer_list<std::string_view> names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      help_ = true;
      continue;
    }
    if (!arg.starts_with("--")) throw UsageError("unexpected argument '" + arg + "'");
    const size_t equals = arg.find('=');
    const std::string name =
        arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    if (among(switches, name)) {
      if (equals != std::string::npos) throw UsageError("option '--" + name + "' takes no value");
      if (!switches_.insert(name).second) throw UsageError("option '--" + name + "' given twice");
      continue;
    }
    const bool repeats = among(repeatable, name);
    if (!repeats && !among(known, name)) throw UsageError("unknown option '--" + name + "'");
    std::string value;
    if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      throw UsageError("option '--" + name + "' needs a value");
    }
    if (repeats) {
      repeated_[name].push_back(std::move(value));
    } else if (!values_.emplace(name, std::move(value)).second) {
      throw UsageError("option '--" + name + "' given twice");
    }
  }
}

std::string CommandOptions::Get(std::string_view name, const std::string& fallback) const {
  const auto it = values_.find(std::string(name));
  return it == values_.end() ? fallback : it->second;
}

std::vector<std::string> CommandOptions::GetAll(std::string_view name) const {
  const auto it = repeated_.find(std::string(name));
  return it == repeated_.end() ? std::vector<std::string>{} : it->second;
}

}  // namespace gridkit::cli
