#include "entry/feskadel/focus_entry.h"

#include <string>

#include "host/text/blanks.h"
#include "host/text/numeric_reading.h"

namespace gridkit::entry {

void EnterTwoDecimalBox(host::TextBox& box) {
  if (host::ReadNumber(box.Text()) == 0) box.setText(".00");
  box.setText(std::string(host::TrimSpaces(box.Text())));
}

}  // namespace gridkit::entry
