#pragma once
// The trap of the components that pass no error to their caller: each step
// runs under it, and a step that fails shows the critical-icon OK box
// "Error : <number> - <description>" under the component's title, after
// which the caller goes on with its next step.

#include <functional>
#include <new>
#include <string>

#include "host/error.h"
#include "host/message/message_box.h"

namespace gridkit::host {

class StepTrap {
 public:
  StepTrap(MessageBox& messages, std::string title)
      : messages_(messages), title_(std::move(title)) {}

  // Called after a failure is caught and before its box is shown.
  void setBeforeReport(std::function<void()> beforeReport) {
    beforeReport_ = std::move(beforeReport);
  }

  // Runs one step; false when it failed (and was reported).
  template <class Step>
  bool Run(Step&& step) {
    try {
      step();
      return true;
    } catch (const Error& error) {
      Report(error.Number(), error.Description());
    } catch (const std::bad_alloc&) {
      Report(err::kOutOfMemory, StandardErrorText(err::kOutOfMemory));
    } catch (const std::exception& error) {
      Report(err::kInternal, error.what());
    }
    return false;
  }

  int Failures() const { return failures_; }

  // The text of the box for an error.
  static std::string MessageText(int32_t number, const std::string& description);

 private:
  void Report(int32_t number, const std::string& description);

  MessageBox& messages_;
  std::string title_;
  std::function<void()> beforeReport_;
  int failures_ = 0;
};

}  // namespace gridkit::host
