#pragma once
// Font object passed by reference between the host and the components.

#include <string>

namespace gridkit::host {

struct StdFont {
  std::string Name = "MS Sans Serif";
  double Size = 8.25;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikethrough = false;

  bool operator==(const StdFont&) const = default;
};

}  // namespace gridkit::host
