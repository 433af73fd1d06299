#pragma once
// What the command line accepts, for --help and after a usage error.

#include <string>

namespace gridkit::cli {

std::string UsageText();

}  // namespace gridkit::cli
