// gridkit: the command-line host of the kit. It loads a grid, lends it to a
// component and runs one job (an export, a printed report), lists the
// printers, or plays keys to a control on a form.

#include <unistd.h>

#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/demo_command.h"
#include "apps/gridkit/excel_command.h"
#include "apps/gridkit/keys_command.h"
#include "apps/gridkit/print_command.h"
#include "apps/gridkit/printers_command.h"
#include "apps/gridkit/usage_text.h"

namespace {

using namespace gridkit::cli;

int Dispatch(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("no command given");
  const std::string& command = args.front();
  const std::span<const std::string> rest(args.begin() + 1, args.end());
  if (command == "excel") return RunExcelCommand(rest, std::cout, std::cerr);
  if (command == "demo") return RunDemoCommand(rest, std::cout, std::cerr);
  if (command == "keys") return RunKeysCommand(rest, std::cout, std::cerr);
  if (command == "print") {
    return RunPrintCommand(rest, {std::cin, isatty(STDIN_FILENO) != 0}, std::cout, std::cerr);
  }
  if (command == "printers") return RunPrintersCommand(rest, std::cout);
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << UsageText();
    return kExitCompleted;
  }
  throw UsageError("unknown command '" + command + "'");
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    return Dispatch(args);
  } catch (const UsageError& error) {
    std::cerr << "gridkit: " << error.what() << "\n\n" << UsageText();
    return kExitBadInput;
  } catch (const InputError& error) {
    std::cerr << "gridkit: " << error.what() << "\n";
    return kExitBadInput;
  } catch (const std::exception& error) {
    std::cerr << "gridkit: " << error.what() << "\n";
    return kExitFailed;
  }
}
