#pragma once
// The KEYS of gridkit keys: characters stand for themselves, one keystroke
// each; "{name}" is a named key ("{home}", "{tab}", "{F5}", "{{}" for a
// brace ...), and "{focus}" clicks into the control under test.

#include <string_view>
#include <variant>
#include <vector>

#include "host/control/key_codes.h"

namespace gridkit::cli {

// The person clicks into the control under test.
struct FocusStep {
  bool operator==(const FocusStep&) const = default;
};

using KeyStep = std::variant<FocusStep, host::Keystroke>;

// Raises UsageError naming an unknown "{name}" or an unclosed brace.
std::vector<KeyStep> ParseKeyScript(std::string_view keys);

}  // namespace gridkit::cli
