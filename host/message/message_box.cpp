#include "host/message/message_box.h"

namespace gridkit::host {

MsgResult FirstButton(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OKOnly:
    case MsgButtons::OKCancel:
      return MsgResult::OK;
    case MsgButtons::AbortRetryIgnore:
      return MsgResult::Abort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo:
      return MsgResult::Yes;
    case MsgButtons::RetryCancel:
      return MsgResult::Retry;
  }
  return MsgResult::OK;
}

}  // namespace gridkit::host
