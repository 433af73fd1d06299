#pragma once
// Whole-number division as the report's measures use it: both sides rounded
// to whole numbers (halves to even), the remainder dropped.

#include <cstdint>

namespace gridkit::print {

// Raises "Division by zero" when the divisor rounds to 0, "Overflow" beyond
// a 32-bit result.
int32_t WholeDivide(double dividend, double divisor);

}  // namespace gridkit::print
