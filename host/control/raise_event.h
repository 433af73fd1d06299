#pragma once
// Raising an event: synchronous, and nothing happens when nobody handles it.

#include <functional>
#include <utility>

namespace gridkit::host {

template <class Signature, class... Args>
void RaiseEvent(const std::function<Signature>& handler, Args&&... args) {
  if (handler) handler(std::forward<Args>(args)...);
}

}  // namespace gridkit::host
