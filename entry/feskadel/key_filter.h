#pragma once
// The key filter of a two-decimal box, run on the box's KeyPress after the
// host has seen the code. Digits and Backspace pass, overtyping the decimals
// so that typing never makes more than two; one "." is let in, a second one
// only moves the caret behind the first; every other code is set to 0.

#include <cstdint>

#include "host/control/control_site.h"
#include "host/control/text_box.h"

namespace gridkit::entry {

void FilterTwoDecimalKey(host::TextBox& box, host::ControlSite& site, int16_t& keyAscii);

}  // namespace gridkit::entry
