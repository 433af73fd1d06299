#include "apps/gridkit/stderr_message_box.h"

namespace gridkit::cli {

host::MsgResult StderrMessageBox::Show(const std::string& text, host::MsgButtons buttons,
                                       host::MsgIcon /*icon*/, const std::string& /*title*/) {
  ++count_;
  out_ << text << std::endl;  // flushed, so that it stays in order with other output
  return host::FirstButton(buttons);
}

}  // namespace gridkit::cli
