#include "host/control/key_codes.h"

#include <array>
#include <charconv>
#include <string>

#include "host/text/utf8.h"

namespace gridkit::host {
namespace {

struct SymbolKey {
  char plain;
  char shifted;
  int16_t code;
};

// The US layout's symbol keys: the character without and with Shift.
constexpr std::array<SymbolKey, 11> kSymbolKeys{{{'`', '~', 192},
                                                 {'-', '_', 189},
                                                 {'=', '+', 187},
                                                 {'[', '{', 219},
                                                 {']', '}', 221},
                                                 {'\\', '|', 220},
                                                 {';', ':', 186},
                                                 {'\'', '"', 222},
                                                 {',', '<', 188},
                                                 {'.', '>', 190},
                                                 {'/', '?', 191}}};
// Shift with the digit keys 0 to 9.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

struct NamedKey {
  std::string_view name;
  int16_t code;
  char32_t character;
};

constexpr std::array<NamedKey, 25> kNamedKeys{{{"backspace", key::kBack, 8},
                                               {"bs", key::kBack, 8},
                                               {"bksp", key::kBack, 8},
                                               {"break", 3, 0},
                                               {"capslock", 20, 0},
                                               {"delete", key::kDelete, 0},
                                               {"del", key::kDelete, 0},
                                               {"down", key::kDown, 0},
                                               {"end", key::kEnd, 0},
                                               {"enter", key::kReturn, 13},
                                               {"esc", key::kEscape, 27},
                                               {"escape", key::kEscape, 27},
                                               {"help", 47, 0},
                                               {"home", key::kHome, 0},
                                               {"insert", 45, 0},
                                               {"ins", 45, 0},
                                               {"left", key::kLeft, 0},
                                               {"numlock", 144, 0},
                                               {"pgdn", 34, 0},
                                               {"pgup", 33, 0},
                                               {"prtsc", 44, 0},
                                               {"right", key::kRight, 0},
                                               {"scrolllock", 145, 0},
                                               {"tab", key::kTab, 9},
                                               {"up", key::kUp, 0}}};

}  // namespace

Keystroke KeyForCharacter(char32_t c) {
  if (c >= 'a' && c <= 'z') return {static_cast<int16_t>(c - 0x20), 0, c};
  if (c >= 'A' && c <= 'Z') return {static_cast<int16_t>(c), shift::kShift, c};
  if (c >= '0' && c <= '9') return {static_cast<int16_t>(c), 0, c};
  if (c == ' ') return {32, 0, c};
  for (const SymbolKey& k : kSymbolKeys) {
    if (c == static_cast<char32_t>(k.plain)) return {k.code, 0, c};
    if (c == static_cast<char32_t>(k.shifted)) return {k.code, shift::kShift, c};
  }
  const size_t digit = c < 0x80 ? kShiftedDigits.find(static_cast<char>(c)) : std::string::npos;
  if (digit != std::string::npos) {
    return {static_cast<int16_t>('0' + digit), shift::kShift, c};
  }
  return {key::kPacket, 0, c};
}

std::optional<Keystroke> BracedKey(std::string_view inside) {
  size_t i = 0;
  if (!inside.empty()) {
    const char32_t only = DecodeChar(inside, i);
    if (i == inside.size()) return KeyForCharacter(only);
  }
  for (const NamedKey& k : kNamedKeys) {
    if (EqualIgnoringCase(inside, k.name)) return Keystroke{k.code, 0, k.character};
  }
  if (inside.size() >= 2 && (inside[0] == 'f' || inside[0] == 'F')) {
    int number = 0;
    const auto [end, ec] =
        std::from_chars(inside.data() + 1, inside.data() + inside.size(), number);
    if (ec == std::errc() && end == inside.data() + inside.size() && number >= 1 && number <= 16) {
      return Keystroke{static_cast<int16_t>(111 + number), 0, 0};
    }
  }
  return std::nullopt;
}

}  // namespace gridkit::host
