#pragma once
// The SendKeys syntax: characters stand for themselves; "{name}" is a named
// key and "{name n}" repeats it; "+", "^" and "%" hold Shift, Ctrl and Alt
// for the next key or a "( )" group; "~" is Enter; "{+}", "{(}", "{{}" ...
// type the sign itself.

#include <string_view>
#include <vector>

#include "host/control/key_codes.h"

namespace gridkit::host {

// Raises "Invalid procedure call or argument" (5) for an unknown name, an
// unclosed brace or group.
std::vector<Keystroke> ParseSendKeys(std::string_view keys);

}  // namespace gridkit::host
