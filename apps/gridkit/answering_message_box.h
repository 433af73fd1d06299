#pragma once
// Message boxes whose questions the command line answers: all in one way
// given beforehand, or by a person at the terminal, who reads the question
// on the error stream and types the first letter of a button.

#include <istream>
#include <ostream>

#include "host/message/message_box.h"

namespace gridkit::cli {

enum class BoxAnswer { Ask, Yes, No, Cancel };

// Where a person would answer: the stream read, and whether it is a terminal.
struct AnswerInput {
  std::istream& in;
  bool terminal = false;
};

class AnsweringMessageBox : public host::MessageBox {
 public:
  // Yes, No and Cancel answer each box with that button, or with No for a
  // Cancel the box lacks; a box with neither gets its first button. They
  // show nothing. Ask shows the question on out and reads the answer from
  // input; without a terminal, or at the end of the input, the box gets its
  // first button.
  AnsweringMessageBox(BoxAnswer answer, AnswerInput input, std::ostream& out)
      : answer_(answer), input_(input), out_(out) {}

  host::MsgResult Show(const std::string& text, host::MsgButtons buttons, host::MsgIcon icon,
                       const std::string& title) override;

  int Count() const { return count_; }

 private:
  BoxAnswer answer_;
  AnswerInput input_;
  std::ostream& out_;
  int count_ = 0;
};

}  // namespace gridkit::cli
