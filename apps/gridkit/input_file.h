#pragma once
// Opening an input file for reading, with a message naming the file when it
// cannot be read.

#include <fstream>
#include <string>

namespace gridkit::cli {

// Raises InputError when the path is missing, a directory or unreadable.
std::ifstream OpenInputFile(const std::string& path);

// Raises InputError when reading stopped on an error rather than at the end.
void CheckReadCompleted(const std::ifstream& input, const std::string& path);

}  // namespace gridkit::cli
