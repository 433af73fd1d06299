#pragma once
// Focus entry of a two-decimal box: an empty or zero box shows ".00", and
// the text loses its outer spaces. Setting the text leaves the caret at 0,
// so digits typed next go in front of the point.

#include "host/control/text_box.h"

namespace gridkit::entry {

void EnterTwoDecimalBox(host::TextBox& box);

}  // namespace gridkit::entry
