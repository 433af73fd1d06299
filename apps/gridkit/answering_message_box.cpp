#include "apps/gridkit/answering_message_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "host/text/blanks.h"
#include "host/text/utf8.h"

namespace gridkit::cli {

namespace {

struct Button {
  host::MsgResult result;
  std::string_view name;
  std::string_view key;
};

constexpr Button kOK{host::MsgResult::OK, "OK", "o"};
constexpr Button kCancel{host::MsgResult::Cancel, "Cancel", "c"};
constexpr Button kAbort{host::MsgResult::Abort, "Abort", "a"};
constexpr Button kRetry{host::MsgResult::Retry, "Retry", "r"};
constexpr Button kIgnore{host::MsgResult::Ignore, "Ignore", "i"};
constexpr Button kYes{host::MsgResult::Yes, "Yes", "y"};
constexpr Button kNo{host::MsgResult::No, "No", "n"};

// A box's buttons from left to right.
std::vector<Button> ButtonsOf(host::MsgButtons buttons) {
  switch (buttons) {
    case host::MsgButtons::OKOnly:
      return {kOK};
    case host::MsgButtons::OKCancel:
      return {kOK, kCancel};
    case host::MsgButtons::AbortRetryIgnore:
      return {kAbort, kRetry, kIgnore};
    case host::MsgButtons::YesNoCancel:
      return {kYes, kNo, kCancel};
    case host::MsgButtons::YesNo:
      return {kYes, kNo};
    case host::MsgButtons::RetryCancel:
      return {kRetry, kCancel};
  }
  return {kOK};
}

bool Offers(const std::vector<Button>& buttons, host::MsgResult result) {
  return std::any_of(buttons.begin(), buttons.end(),
                     [result](const Button& b) { return b.result == result; });
}

// "Yes, No or Cancel [y/n/c]? "
std::string Prompt(const std::vector<Button>& buttons) {
  std::string names;
  std::string keys;
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (i > 0) {
      names += i + 1 == buttons.size() ? " or " : ", ";
      keys += "/";
    }
    names += buttons[i].name;
    keys += buttons[i].key;
  }
  return names + " [" + keys + "]? ";
}

// The box's text as a terminal shows it: its CR LF breaks as plain ones.
std::string TerminalText(const std::string& text) {
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    shown += text[i];
  }
  return shown;
}

// Shows the question and reads a button's key or name; an empty answer is the
// box's default, its first button.
host::MsgResult Ask(const std::string& text, const std::vector<Button>& offered, AnswerInput input,
                    std::ostream& out) {
  out << TerminalText(text) << "\n";
  while (true) {
    out << Prompt(offered) << std::flush;
    std::string line;
    if (!input.terminal || !std::getline(input.in, line)) {
      // Nobody to ask: the box's default, shown as if typed.
      out << offered.front().key << "\n";
      return offered.front().result;
    }
    const std::string_view word = host::TrimBlanks(line);
    if (word.empty()) return offered.front().result;
    for (const Button& button : offered) {
      if (host::EqualIgnoringCase(word, button.key) || host::EqualIgnoringCase(word, button.name)) {
        return button.result;
      }
    }
  }
}

}  // namespace

host::MsgResult AnsweringMessageBox::Show(const std::string& text, host::MsgButtons buttons,
                                          host::MsgIcon /*icon*/, const std::string& /*title*/) {
  ++count_;
  const std::vector<Button> offered = ButtonsOf(buttons);
  switch (answer_) {
    case BoxAnswer::Ask:
      return Ask(text, offered, input_, out_);
    case BoxAnswer::Yes:
      if (Offers(offered, host::MsgResult::Yes)) return host::MsgResult::Yes;
      break;
    case BoxAnswer::Cancel:
      if (Offers(offered, host::MsgResult::Cancel)) return host::MsgResult::Cancel;
      [[fallthrough]];
    case BoxAnswer::No:
      if (Offers(offered, host::MsgResult::No)) return host::MsgResult::No;
      break;
  }
  return host::FirstButton(buttons);
}

}  // namespace gridkit::cli
