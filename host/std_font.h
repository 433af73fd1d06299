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

// A font a control can take: it has a name and a size above 0.
inline bool IsUsableFont(const StdFont& font) {
  return !font.Name.empty() && font.Size > 0;
}

}  // namespace gridkit::host
