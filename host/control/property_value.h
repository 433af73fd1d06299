#pragma once
// A control property's value as the property bag and the by-name dispatch
// carry it, and the conversions a property set applies to it.

#include <cstdint>
#include <string>
#include <variant>

#include "host/std_font.h"
#include "host/std_picture.h"

namespace gridkit::host {

// An object property set to nothing (no mouse icon, say).
struct Nothing {
  bool operator==(const Nothing&) const = default;
};

// OLE_COLOR, kept apart from the integers so that it saves as a colour.
struct OleColor {
  uint32_t value = 0;
  bool operator==(const OleColor&) const = default;
};

using PropertyValue = std::variant<Nothing, bool, int16_t, int32_t, float, double, std::string,
                                   OleColor, StdFont, StdPicture>;

// Equal only when both the kind and the value agree: a Boolean true is not
// the 16-bit integer 1.
inline bool SameValue(const PropertyValue& a, const PropertyValue& b) {
  return a == b;
}

// Conversions to a property's own type. Numbers convert among themselves
// (integers rounded half to even, "Overflow" out of range), Booleans are -1
// and 0, and a text converts when it holds a number or "True"/"False".
// Anything else raises "Type mismatch".
bool ToBool(const PropertyValue& v);
int16_t ToInt16(const PropertyValue& v);
int32_t ToInt32(const PropertyValue& v);
float ToSingle(const PropertyValue& v);
double ToDouble(const PropertyValue& v);
std::string ToText(const PropertyValue& v);
uint32_t ToColor(const PropertyValue& v);
StdFont ToFont(const PropertyValue& v);
// Nothing gives an empty picture.
StdPicture ToPicture(const PropertyValue& v);

}  // namespace gridkit::host
