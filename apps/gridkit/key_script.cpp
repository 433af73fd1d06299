#include "apps/gridkit/key_script.h"

#include <string>

#include "apps/gridkit/cli_errors.h"
#include "host/text/utf8.h"

namespace gridkit::cli {

std::vector<KeyStep> ParseKeyScript(std::string_view keys) {
  std::vector<KeyStep> steps;
  size_t i = 0;
  while (i < keys.size()) {
    if (keys[i] != '{') {
      steps.emplace_back(host::KeyForCharacter(host::DecodeChar(keys, i)));
      continue;
    }
    // "{}}" is the closing brace itself; otherwise the name ends at the
    // first "}".
    const bool closingBrace = keys.substr(i).starts_with("{}}");
    const size_t close = keys.find('}', closingBrace ? i + 2 : i + 1);
    if (close == std::string_view::npos) {
      throw UsageError("KEYS: the brace of '" + std::string(keys.substr(i)) + "' is not closed");
    }
    const std::string_view name = keys.substr(i + 1, close - i - 1);
    if (host::EqualIgnoringCase(name, "focus")) {
      steps.emplace_back(FocusStep{});
    } else if (const auto key = host::BracedKey(name)) {
      steps.emplace_back(*key);
    } else {
      throw UsageError("KEYS: unknown key '{" + std::string(name) + "}'");
    }
    i = close + 1;
  }
  return steps;
}

}  // namespace gridkit::cli
