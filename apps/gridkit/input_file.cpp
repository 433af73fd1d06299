#include "apps/gridkit/input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "apps/gridkit/cli_errors.h"

namespace gridkit::cli {

std::ifstream OpenInputFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    throw InputError("cannot read " + path + ": it is a directory");
  }
  errno = 0;
  std::ifstream input(path, std::ios::binary);
  if (!input) {
    const int cause = errno;
    throw InputError("cannot read " + path + ": " +
                     (cause != 0 ? std::strerror(cause) : "cannot open the file"));
  }
  return input;
}

void CheckReadCompleted(const std::ifstream& input, const std::string& path) {
  if (input.bad()) throw InputError("cannot read " + path + ": read error");
}

}  // namespace gridkit::cli
