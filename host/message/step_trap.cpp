#include "host/message/step_trap.h"

namespace gridkit::host {

std::string StepTrap::MessageText(int32_t number, const std::string& description) {
  return "Error : " + std::to_string(number) + " - " + description;
}

void StepTrap::Report(int32_t number, const std::string& description) {
  ++failures_;
  if (beforeReport_) beforeReport_();
  messages_.Show(MessageText(number, description), MsgButtons::OKOnly, MsgIcon::Critical, title_);
}

}  // namespace gridkit::host
