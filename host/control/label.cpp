#include "host/control/label.h"

namespace gridkit::host {

void Label::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  setLeft(left);
  setTop(top);
  setWidth(width);
  setHeight(height);
}

}  // namespace gridkit::host
