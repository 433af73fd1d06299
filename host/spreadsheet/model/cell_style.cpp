#include "host/spreadsheet/model/cell_style.h"

#include <bit>
#include <functional>

#include "host/error.h"

namespace gridkit::host {

size_t CellStyleHash::operator()(const CellStyle& s) const {
  size_t h = std::hash<std::string>{}(s.numberFormat);
  auto mix = [&h](size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
  mix(std::hash<std::string>{}(s.fontName));
  mix(std::hash<double>{}(s.fontSize));
  mix((s.bold ? 1u : 0u) | (s.italic ? 2u : 0u) | (s.hasFontColor ? 4u : 0u));
  mix(s.fontColor);
  mix(static_cast<size_t>(static_cast<uint32_t>(s.horizontalAlignment)) << 32 |
      static_cast<uint32_t>(s.verticalAlignment));
  return h;
}

namespace {

constexpr size_t kRecentChanges = 4096;
constexpr size_t kMaxStyles = size_t{1} << 24;

void Apply(CellStyle& style, StyleProperty property, double number, std::string_view text) {
  switch (property) {
    case StyleProperty::NumberFormat:
      style.numberFormat = text;
      break;
    case StyleProperty::FontName:
      style.fontName = text;
      break;
    case StyleProperty::FontSize:
      style.fontSize = number;
      break;
    case StyleProperty::Bold:
      style.bold = number != 0;
      break;
    case StyleProperty::Italic:
      style.italic = number != 0;
      break;
    case StyleProperty::FontColor:
      style.hasFontColor = true;
      style.fontColor = static_cast<uint32_t>(number);
      break;
    case StyleProperty::HorizontalAlignment:
      style.horizontalAlignment = static_cast<int32_t>(number);
      break;
    case StyleProperty::VerticalAlignment:
      style.verticalAlignment = static_cast<int32_t>(number);
      break;
  }
}

bool IsTextProperty(StyleProperty property) {
  return property == StyleProperty::NumberFormat || property == StyleProperty::FontName;
}

const std::string& TextOf(const CellStyle& style, StyleProperty property) {
  return property == StyleProperty::NumberFormat ? style.numberFormat : style.fontName;
}

}  // namespace

StyleTable::StyleTable() : recent_(kRecentChanges) {
  Intern(CellStyle{});
}

uint32_t StyleTable::With(uint32_t from, StyleProperty property, double number,
                          std::string_view text) {
  const bool isText = IsTextProperty(property);
  const uint64_t key =
      isText ? std::hash<std::string_view>{}(text) : std::bit_cast<uint64_t>(number);
  size_t slot = key ^ (static_cast<size_t>(from) * 0x9e3779b97f4a7c15ULL) ^
                (static_cast<size_t>(property) << 7);
  slot = (slot ^ (slot >> 29)) % kRecentChanges;
  Change& change = recent_[slot];
  if (change.from == from && change.property == property && change.key == key &&
      (!isText || TextOf(styles_[change.to], property) == text)) {
    return change.to;
  }
  CellStyle style = styles_[from];
  Apply(style, property, number, text);
  const uint32_t to = Intern(style);
  change = Change{from, to, key, property};
  return to;
}

uint32_t StyleTable::Intern(const CellStyle& style) {
  auto found = ids_.find(style);
  if (found != ids_.end()) return found->second;
  // Cells keep a style in 24 bits.
  if (styles_.size() >= kMaxStyles) {
    throw Error(err::kApplicationDefined, "Too many different cell formats.");
  }
  const auto id = static_cast<uint32_t>(styles_.size());
  styles_.push_back(style);
  ids_.emplace(style, id);
  return id;
}

}  // namespace gridkit::host
