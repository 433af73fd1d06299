// The property bag's JSON text, kept apart so that only this file sees the
// JSON library.

#include "host/control/property_bag.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <nlohmann/json.hpp>

#include "host/error.h"

namespace gridkit::host {

namespace {

// Ordered, so that the members keep the order the properties were written in.
using Json = nlohmann::ordered_json;

[[noreturn]] void Invalid(const std::string& what) {
  throw Error(err::kInvalidPropertyValue, "Invalid property value: " + what);
}

std::string Quoted(const std::string& name) {
  return "property \"" + name + "\"";
}

constexpr const char* kPicture = "Picture";
constexpr const char* kFontMembers[] = {"Name",   "Size",      "Bold",
                                        "Italic", "Underline", "Strikethrough"};

// JSON has no NaN or infinity; writing them as null would lose the property.
double FiniteNumber(const std::string& name, double d) {
  if (!std::isfinite(d)) Invalid(Quoted(name) + " is not a finite number");
  return d;
}

// A text that cannot be written as JSON is an error rather than a mangled
// copy.
Json TextJson(const std::string& name, const std::string& text) {
  Json j = text;
  try {
    (void)j.dump();
  } catch (const Json::type_error&) {
    Invalid(Quoted(name) + " is not valid UTF-8 text");
  }
  return j;
}

std::string HexOf(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (unsigned char byte : bytes) {
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 0x0F]);
  }
  return hex;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string BytesOf(const std::string& name, const std::string& hex) {
  if (hex.size() % 2 != 0) Invalid(Quoted(name) + " has a picture of odd hex length");
  std::string bytes;
  bytes.reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigitValue(hex[i]);
    const int low = HexDigitValue(hex[i + 1]);
    if (high < 0 || low < 0) Invalid(Quoted(name) + " has a picture that is not hex bytes");
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bytes;
}

Json ToJsonValue(const std::string& name, const PropertyValue& value) {
  struct Visitor {
    const std::string& name;
    Json operator()(Nothing) const { return nullptr; }
    Json operator()(bool b) const { return b; }
    Json operator()(int16_t n) const { return n; }
    Json operator()(int32_t n) const { return n; }
    Json operator()(float f) const {
      // The single's shortest digits, which read back as a double and
      // narrowed give the same single.
      FiniteNumber(name, f);
      const std::string text = ToText(f);
      double d = 0;
      std::from_chars(text.data(), text.data() + text.size(), d);
      return d;
    }
    Json operator()(double d) const { return FiniteNumber(name, d); }
    Json operator()(const std::string& s) const { return TextJson(name, s); }
    Json operator()(OleColor c) const { return c.value; }
    Json operator()(const StdFont& font) const {
      Json j = Json::object();
      j["Name"] = TextJson(name, font.Name);
      j["Size"] = FiniteNumber(name, font.Size);
      j["Bold"] = font.Bold;
      j["Italic"] = font.Italic;
      j["Underline"] = font.Underline;
      j["Strikethrough"] = font.Strikethrough;
      return j;
    }
    Json operator()(const StdPicture& picture) const {
      Json j = Json::object();
      j[kPicture] = HexOf(picture.Data);
      return j;
    }
  };
  return std::visit(Visitor{name}, value);
}

StdFont FontOf(const std::string& name, const Json& j) {
  StdFont font;
  for (const auto& [key, member] : j.items()) {
    if (key == "Name") {
      if (!member.is_string()) Invalid(Quoted(name) + " has a font Name that is not a text");
      font.Name = member.get<std::string>();
    } else if (key == "Size") {
      if (!member.is_number()) Invalid(Quoted(name) + " has a font Size that is not a number");
      font.Size = member.get<double>();
    } else {
      bool* flag = key == "Bold"        ? &font.Bold
                   : key == "Italic"    ? &font.Italic
                   : key == "Underline" ? &font.Underline
                                        : &font.Strikethrough;
      if (!member.is_boolean()) {
        Invalid(Quoted(name) + " has a font " + key + " that is not true or false");
      }
      *flag = member.get<bool>();
    }
  }
  return font;
}

bool IsFontMember(const std::string& key) {
  for (const char* member : kFontMembers) {
    if (key == member) return true;
  }
  return false;
}

PropertyValue ObjectValue(const std::string& name, const Json& j) {
  if (j.contains(kPicture)) {
    if (j.size() != 1) Invalid(Quoted(name) + " has members beside its Picture");
    const Json& hex = j.at(kPicture);
    if (!hex.is_string()) Invalid(Quoted(name) + " has a Picture that is not a hex text");
    return StdPicture{BytesOf(name, hex.get<std::string>())};
  }
  if (j.empty()) Invalid(Quoted(name) + " is an empty object, neither a font nor a picture");
  for (const auto& [key, member] : j.items()) {
    (void)member;
    if (!IsFontMember(key)) {
      Invalid(Quoted(name) + " has an unknown member \"" + key +
              "\" (neither a font nor a picture)");
    }
  }
  return FontOf(name, j);
}

PropertyValue FromJsonValue(const std::string& name, const Json& j) {
  switch (j.type()) {
    case Json::value_t::null:
      return Nothing{};
    case Json::value_t::boolean:
      return j.get<bool>();
    case Json::value_t::number_integer: {
      const int64_t n = j.get<int64_t>();
      if (n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max()) {
        return static_cast<int32_t>(n);
      }
      return static_cast<double>(n);
    }
    case Json::value_t::number_unsigned: {
      const uint64_t n = j.get<uint64_t>();
      if (n <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) {
        return static_cast<int32_t>(n);
      }
      return static_cast<double>(n);
    }
    case Json::value_t::number_float:
      return j.get<double>();
    case Json::value_t::string:
      return j.get<std::string>();
    case Json::value_t::object:
      return ObjectValue(name, j);
    case Json::value_t::array:
      Invalid(Quoted(name) + " holds an array");
    default:
      Invalid(Quoted(name) + " holds a value of no property kind");
  }
}

// The parser's message without its "[json.exception...] " tag.
std::string ParseErrorText(const Json::parse_error& error) {
  const std::string what = error.what();
  const size_t tagEnd = what.find("] ");
  return tagEnd == std::string::npos ? what : what.substr(tagEnd + 2);
}

}  // namespace

std::string PropertyBag::ToJson() const {
  Json root = Json::object();
  for (const auto& [name, value] : entries_) {
    root[name] = ToJsonValue(name, value);
  }
  try {
    return root.dump(2);
  } catch (const Json::type_error&) {
    // The values were checked above: only a name can be left.
    Invalid("a property name is not valid UTF-8 text");
  }
}

PropertyBag PropertyBag::FromJson(std::string_view json) {
  Json root;
  try {
    root = Json::parse(json);
  } catch (const Json::parse_error& error) {
    Invalid("the saved properties are not JSON text (" + ParseErrorText(error) + ")");
  }
  if (!root.is_object()) Invalid("the saved properties are not a JSON object");

  // A name given twice keeps its first place and its last value, as writing
  // it twice would.
  PropertyBag bag;
  for (const auto& [name, value] : root.items()) {
    bag.entries_.emplace_back(name, FromJsonValue(name, value));
  }
  return bag;
}

}  // namespace gridkit::host
