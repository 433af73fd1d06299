#pragma once
// A message box that records every box shown and answers from a script (its
// first button once the script is used up).

#include <deque>
#include <vector>

#include "host/message/message_box.h"

namespace gridkit::host {

struct ShownMessage {
  std::string text;
  MsgButtons buttons;
  MsgIcon icon;
  std::string title;
};

class MessageBoxModel : public MessageBox {
 public:
  MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                 const std::string& title) override;

  void Answer(MsgResult result) { script_.push_back(result); }
  const std::vector<ShownMessage>& Shown() const { return shown_; }

 private:
  std::deque<MsgResult> script_;
  std::vector<ShownMessage> shown_;
};

}  // namespace gridkit::host
