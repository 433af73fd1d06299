#include "host/control/send_keys.h"

#include <charconv>
#include <string>

#include "host/error.h"
#include "host/text/utf8.h"

namespace gridkit::host {
namespace {

[[noreturn]] void BadKeys() {
  throw Error::Standard(err::kInvalidCall);
}

// Applies held modifiers the way the keyboard would: Shift capitalises a
// letter, Ctrl turns it into its control character, Alt types nothing.
Keystroke WithModifiers(Keystroke k, int16_t modifiers) {
  k.shift |= modifiers;
  const char32_t c = k.character;
  if ((modifiers & shift::kShift) && c >= 'a' && c <= 'z') k.character = c - 0x20;
  if ((modifiers & shift::kCtrl) && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
    k.character = (c & 0x1F);
  }
  if (modifiers & shift::kAlt) k.character = 0;
  return k;
}

}  // namespace

std::vector<Keystroke> ParseSendKeys(std::string_view keys) {
  std::vector<Keystroke> out;
  std::vector<int16_t> groups;  // modifiers held for each open "( )"
  int16_t pending = 0;
  auto emit = [&](const Keystroke& k, int count) {
    int16_t held = pending;
    for (int16_t g : groups)
      held |= g;
    for (int n = 0; n < count; ++n)
      out.push_back(WithModifiers(k, held));
    pending = 0;
  };
  size_t i = 0;
  while (i < keys.size()) {
    const char c = keys[i];
    if (c == '+' || c == '^' || c == '%') {
      pending |= c == '+' ? shift::kShift : c == '^' ? shift::kCtrl : shift::kAlt;
      ++i;
    } else if (c == '(') {
      groups.push_back(pending);
      pending = 0;
      ++i;
    } else if (c == ')') {
      if (groups.empty()) BadKeys();
      groups.pop_back();
      ++i;
    } else if (c == '~') {
      emit(Keystroke{key::kReturn, 0, 13}, 1);
      ++i;
    } else if (c == '{') {
      // "{}}" names the closing brace itself.
      const size_t close = keys.compare(i, 3, "{}}") == 0 ? i + 2 : keys.find('}', i + 1);
      if (close == std::string_view::npos) BadKeys();
      std::string_view inside = keys.substr(i + 1, close - i - 1);
      int count = 1;
      const size_t space = inside.rfind(' ');
      if (space != std::string_view::npos && space > 0) {
        const std::string_view number = inside.substr(space + 1);
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), count);
        if (ec != std::errc() || end != number.data() + number.size() || count < 0) BadKeys();
        inside = inside.substr(0, space);
      }
      const std::optional<Keystroke> k = BracedKey(inside);
      if (!k) BadKeys();
      emit(*k, count);
      i = close + 1;
    } else if (c == '}') {
      BadKeys();
    } else {
      emit(KeyForCharacter(DecodeChar(keys, i)), 1);
    }
  }
  if (!groups.empty()) BadKeys();
  return out;
}

}  // namespace gridkit::host
