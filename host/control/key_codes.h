#pragma once
// Key codes and shift states of the keyboard events, and the keystroke a
// window receives: a key, and the character it types (if any).

#include <cstdint>
#include <optional>
#include <string_view>

namespace gridkit::host {

namespace key {
inline constexpr int16_t kBack = 8;
inline constexpr int16_t kTab = 9;
inline constexpr int16_t kReturn = 13;
inline constexpr int16_t kEscape = 27;
inline constexpr int16_t kEnd = 35;
inline constexpr int16_t kHome = 36;
inline constexpr int16_t kLeft = 37;
inline constexpr int16_t kUp = 38;
inline constexpr int16_t kRight = 39;
inline constexpr int16_t kDown = 40;
inline constexpr int16_t kDelete = 46;
// A character with no key of its own on the keyboard layout.
inline constexpr int16_t kPacket = 231;
}  // namespace key

namespace shift {
inline constexpr int16_t kShift = 1;
inline constexpr int16_t kCtrl = 2;
inline constexpr int16_t kAlt = 4;
}  // namespace shift

struct Keystroke {
  int16_t keyCode = 0;
  int16_t shift = 0;
  // The character the key types (the KeyPress code); 0 when it types none.
  char32_t character = 0;

  bool operator==(const Keystroke&) const = default;
};

// The keystroke that types the character on a US keyboard: letters by their
// capital's code, Shift for capitals and the shifted symbols.
Keystroke KeyForCharacter(char32_t c);

// A key by its SendKeys name ("home", "RIGHT", "Tab", "bs", "F5" ...; case is
// ignored), or the single character inside braces ("{.}", "{+}", "{{}").
std::optional<Keystroke> BracedKey(std::string_view inside);

}  // namespace gridkit::host
