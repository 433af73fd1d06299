#pragma once
// The two ways the command line fails before any export runs: a command line
// it cannot understand, and an input it cannot read. Both end with status 2.

#include <stdexcept>
#include <string>

namespace gridkit::cli {

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
