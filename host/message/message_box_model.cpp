#include "host/message/message_box_model.h"

namespace gridkit::host {

MsgResult MessageBoxModel::Show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                const std::string& title) {
  shown_.push_back({text, buttons, icon, title});
  if (script_.empty()) return FirstButton(buttons);
  const MsgResult answer = script_.front();
  script_.pop_front();
  return answer;
}

}  // namespace gridkit::host
