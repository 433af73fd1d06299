#pragma once
// Rounding to the nearest whole number with halves to the even neighbour
// (2.5 gives 2, 3.5 gives 4), whatever floating-point rounding mode is in
// force: the rounding of the platform's Round, CInt and whole-number
// division.

#include <cmath>

namespace gridkit::host {

inline double RoundHalfEven(double x) {
  double r = std::round(x);  // halves away from zero
  if (std::fabs(r - x) == 0.5 && std::fmod(r, 2) != 0) r -= std::copysign(1.0, x);
  return r;
}

}  // namespace gridkit::host
