#pragma once
// The number of the host::Error that an action raises; 0 when it raises none.

#include <cstdint>

#include "host/error.h"

namespace gridkit::test_support {

template <class Action>
int32_t ErrorOf(Action&& action) {
  try {
    action();
  } catch (const host::Error& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace gridkit::test_support
