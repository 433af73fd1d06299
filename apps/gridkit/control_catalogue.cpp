#include "apps/gridkit/control_catalogue.h"

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/feskadel_events.h"

namespace gridkit::cli {

std::span<const CatalogueEntry> ControlCatalogue() {
  static constexpr CatalogueEntry kEntries[] = {
      {"feskadel", "Feskadel1", &PlaceFeskadel},
  };
  return kEntries;
}

const CatalogueEntry& CatalogueEntryNamed(std::string_view name) {
  std::string known;
  for (const CatalogueEntry& entry : ControlCatalogue()) {
    if (entry.name == name) return entry;
    known += known.empty() ? "" : ", ";
    known += entry.name;
  }
  throw UsageError("unknown control '" + std::string(name) + "' (known controls: " + known + ")");
}

}  // namespace gridkit::cli
