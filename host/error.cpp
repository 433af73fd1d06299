#include "host/error.h"

#include <array>
#include <utility>

namespace gridkit::host {

namespace {

struct StandardEntry {
  int32_t number;
  const char* text;
};

constexpr std::array kStandardErrors{
    StandardEntry{3, "Return without GoSub"},
    StandardEntry{5, "Invalid procedure call or argument"},
    StandardEntry{6, "Overflow"},
    StandardEntry{7, "Out of memory"},
    StandardEntry{9, "Subscript out of range"},
    StandardEntry{10, "This array is fixed or temporarily locked"},
    StandardEntry{11, "Division by zero"},
    StandardEntry{13, "Type mismatch"},
    StandardEntry{28, "Out of stack space"},
    StandardEntry{51, "Internal error"},
    StandardEntry{52, "Bad file name or number"},
    StandardEntry{53, "File not found"},
    StandardEntry{55, "File already open"},
    StandardEntry{57, "Device I/O error"},
    StandardEntry{58, "File already exists"},
    StandardEntry{61, "Disk full"},
    StandardEntry{62, "Input past end of file"},
    StandardEntry{70, "Permission denied"},
    StandardEntry{75, "Path/File access error"},
    StandardEntry{76, "Path not found"},
    StandardEntry{91, "Object variable or With block variable not set"},
    StandardEntry{94, "Invalid use of Null"},
    StandardEntry{380, "Invalid property value"},
    StandardEntry{381, "Invalid property array index"},
    StandardEntry{382, "Set not supported at runtime"},
    StandardEntry{383, "Set not supported (read-only property)"},
    StandardEntry{387, "Set not permitted"},
    StandardEntry{393, "Get not supported at runtime"},
    StandardEntry{394, "Get not supported (write-only property)"},
    StandardEntry{424, "Object required"},
    StandardEntry{429, "ActiveX component can't create object"},
    StandardEntry{438, "Object doesn't support this property or method"},
    StandardEntry{440, "Automation error"},
    StandardEntry{482, "Printer error"},
    StandardEntry{484,
                  "Problem getting printer information. Make sure the printer is set up correctly"},
    StandardEntry{1004, "Application-defined or object-defined error"},
};

}  // namespace

Error::Error(int32_t number, std::string description, std::string source, std::string helpFile)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)),
      helpFile_(std::move(helpFile)) {}

Error Error::Standard(int32_t number, std::string source) {
  return Error(number, StandardErrorText(number), std::move(source));
}

std::string StandardErrorText(int32_t number) {
  for (const auto& entry : kStandardErrors) {
    if (entry.number == number) return entry.text;
  }
  return "Application-defined or object-defined error";
}

}  // namespace gridkit::host
