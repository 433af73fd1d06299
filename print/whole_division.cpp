#include "print/whole_division.h"

#include <cmath>
#include <limits>

#include "host/error.h"
#include "host/number/round_half_even.h"

namespace gridkit::print {

int32_t WholeDivide(double dividend, double divisor) {
  const double a = host::RoundHalfEven(dividend);
  const double b = host::RoundHalfEven(divisor);
  if (b == 0) throw host::Error::Standard(host::err::kDivisionByZero);
  const double quotient = std::trunc(a / b);
  if (!(std::fabs(quotient) <= std::numeric_limits<int32_t>::max())) {
    throw host::Error::Standard(host::err::kOverflow);
  }
  return static_cast<int32_t>(quotient);
}

}  // namespace gridkit::print
