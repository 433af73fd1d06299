#pragma once
// Message boxes for a command line: each box's text on a line of its own on
// the error stream, answered with the box's first button as nobody is there
// to choose.

#include <ostream>

#include "host/message/message_box.h"

namespace gridkit::cli {

class StderrMessageBox : public host::MessageBox {
 public:
  explicit StderrMessageBox(std::ostream& out) : out_(out) {}

  host::MsgResult Show(const std::string& text, host::MsgButtons buttons, host::MsgIcon icon,
                       const std::string& title) override;

  int Count() const { return count_; }

 private:
  std::ostream& out_;
  int count_ = 0;
};

}  // namespace gridkit::cli
