#pragma once
// gridkit print: loads a grid as gridkit excel does and prints it as a
// paginated report on a printer chosen by name.

#include <ostream>
#include <span>
#include <string>

#include "apps/gridkit/answering_message_box.h"

namespace gridkit::cli {

// The exit status; raises UsageError or InputError before any printing. The
// landscape questions are asked on err and answered from input.
int RunPrintCommand(std::span<const std::string> args, AnswerInput input, std::ostream& out,
                    std::ostream& err);

}  // namespace gridkit::cli
