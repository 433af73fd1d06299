#pragma once
// A modal message box: text, buttons, icon and title; it returns the button
// pressed.

#include <string>

namespace gridkit::host {

enum class MsgButtons { OKOnly, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) = 0;
};

// The button a box answers with when nobody chooses: its first button.
MsgResult FirstButton(MsgButtons buttons);

}  // namespace gridkit::host
