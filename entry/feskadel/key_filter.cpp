#include "entry/feskadel/key_filter.h"

#include <string>

#include "host/control/key_codes.h"
#include "host/text/utf8.h"

namespace gridkit::entry {
namespace {

// Home, then Right as often as the caret must go: just after the point at
// 1-based position p.
std::string CaretBehindPoint(int32_t p) {
  std::string keys = "{home}";
  for (int32_t i = 0; i < p; ++i)
    keys += "{right}";
  return keys;
}

}  // namespace

void FilterTwoDecimalKey(host::TextBox& box, host::ControlSite& site, int16_t& keyAscii) {
  const std::string text = box.Text();
  const size_t point = text.find('.');
  const int32_t p = point == std::string::npos
                        ? 0
                        : static_cast<int32_t>(host::CharCount(text.substr(0, point))) + 1;

  if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == host::key::kBack) {
    if (p == 0) return;
    const auto length = static_cast<int32_t>(host::CharCount(text));
    const int32_t decimals = length - p;
    // Select from the caret to the end: where the caret stands decides what
    // the key may replace, whatever the user had selected.
    box.setSelLength(length);
    if (box.SelText().find('.') != std::string::npos) {
      box.setSelLength(0);  // in front of the point: insert or delete as usual
    } else if (decimals == 2 && box.SelLength() == 2) {
      box.setSelLength(1);  // right after the point: overtype the first decimal
    } else if (box.SelLength() == 0 && decimals == 2) {
      // At the end of two decimals: overtype the first one, and leave the
      // caret after it once the key is applied.
      site.SendKeys(CaretBehindPoint(p));
      box.setSelStart(p);
      box.setSelLength(1);
      site.SendKeys("{right}");
    } else {
      box.setSelLength(1);  // overtype the character after the caret
    }
    return;
  }
  if (keyAscii == '.') {
    if (p == 0) return;
    keyAscii = 0;
    site.SendKeys(CaretBehindPoint(p));
    return;
  }
  keyAscii = 0;
}

}  // namespace gridkit::entry
