#pragma once
// A raised error as the host's platform reports it: number, description,
// source and help file. The standard numbers and texts live in one table.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace gridkit::host {

class Error : public std::runtime_error {
 public:
  Error(int32_t number, std::string description, std::string source = {},
        std::string helpFile = {});

  // An error with the platform's standard description for the number.
  static Error Standard(int32_t number, std::string source = {});

  int32_t Number() const { return number_; }
  const std::string& Description() const { return description_; }
  const std::string& Source() const { return source_; }
  const std::string& HelpFile() const { return helpFile_; }

 private:
  int32_t number_;
  std::string description_;
  std::string source_;
  std::string helpFile_;
};

// The platform's standard description of an error number; "Application-defined
// or object-defined error" for numbers the table does not know.
std::string StandardErrorText(int32_t number);

// Standard error numbers used across the kit.
namespace err {
inline constexpr int32_t kInvalidCall = 5;
inline constexpr int32_t kOverflow = 6;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscriptOutOfRange = 9;
inline constexpr int32_t kDuplicateDefinition = 10;
inline constexpr int32_t kDivisionByZero = 11;
inline constexpr int32_t kTypeMismatch = 13;
inline constexpr int32_t kOutOfStackSpace = 28;
inline constexpr int32_t kInternal = 51;
inline constexpr int32_t kBadFileName = 52;
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kDeviceIo = 57;
inline constexpr int32_t kDiskFull = 61;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kPathFileAccess = 75;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectNotSet = 91;
inline constexpr int32_t kInvalidPropertyValue = 380;
inline constexpr int32_t kInvalidPropertyIndex = 381;
inline constexpr int32_t kSetNotSupported = 383;
inline constexpr int32_t kGetNotSupported = 394;
inline constexpr int32_t kObjectRequired = 424;
inline constexpr int32_t kCannotCreateObject = 429;
inline constexpr int32_t kNotSupported = 438;
inline constexpr int32_t kAutomation = 440;
inline constexpr int32_t kPrinter = 482;
inline constexpr int32_t kApplicationDefined = 1004;
}  // namespace err

}  // namespace gridkit::host
