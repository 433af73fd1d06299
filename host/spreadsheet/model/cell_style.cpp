#include "host/spreadsheet/model/cell_style.h"

#include <functional>

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

StyleTable::StyleTable() { Intern(CellStyle{}); }

uint32_t StyleTable::Intern(const CellStyle& style) {
  auto found = ids_.find(style);
  if (found != ids_.end()) return found->second;
  const auto id = static_cast<uint32_t>(styles_.size());
  styles_.push_back(style);
  ids_.emplace(style, id);
  return id;
}

}  // namespace gridkit::host
