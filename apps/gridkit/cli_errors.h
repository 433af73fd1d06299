#pragma once
// How the command line ends: its exit statuses, and the two ways it fails
// before any export runs (a command line it cannot understand, an input it
// cannot read).

#include <stdexcept>
#include <string>

namespace gridkit::cli {

inline constexpr int kExitCompleted = 0;  // the export ran without a message box
inline constexpr int kExitFailed = 1;    // a message box was shown, or the output could not be made
inline constexpr int kExitBadInput = 2;  // usage error or unreadable input

// A malformed command line; the usage text follows the message.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// An input file that is missing, unreadable or malformed; the message names it.
class InputError : public std::runtime_error {
 public:
  explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace gridkit::cli
