#pragma once
// gridkit keys: places a control on a headless form, sets its properties,
// plays keys to it as a person at the keyboard would, and prints its text,
// caret, value and the events it raised as one JSON object.

#include <ostream>
#include <span>
#include <string>

namespace gridkit::cli {

// The exit status; raises UsageError or InputError, with nothing printed,
// for a command line or a setting it cannot follow, a saved state it cannot
// load or a file it cannot save.
int RunKeysCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace gridkit::cli
