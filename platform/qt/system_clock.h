#pragma once
// The computer's clock, in local time.

#include "host/regional/clock.h"

namespace gridkit::platform {

class SystemClock : public host::Clock {
 public:
  double Now() const override;
};

}  // namespace gridkit::platform
