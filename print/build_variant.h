#pragma once
// The differences between the print deliverables built from these sources,
// chosen by the build.

#ifndef GRIDKIT_PRINT_KILLDOC_AFTER_ENDDOC
#define GRIDKIT_PRINT_KILLDOC_AFTER_ENDDOC 1
#endif

namespace gridkit::print {

// The flexible-grid report also abandons the document after ending it.
inline constexpr bool kKillDocAfterEndDoc = GRIDKIT_PRINT_KILLDOC_AFTER_ENDDOC != 0;

}  // namespace gridkit::print
