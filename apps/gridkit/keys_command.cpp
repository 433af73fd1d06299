#include "apps/gridkit/keys_command.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

#include <nlohmann/json.hpp>

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/command_line.h"
#include "apps/gridkit/control_catalogue.h"
#include "apps/gridkit/event_log.h"
#include "apps/gridkit/input_file.h"
#include "apps/gridkit/key_script.h"
#include "apps/gridkit/stderr_message_box.h"
#include "apps/gridkit/usage_text.h"
#include "host/control/headless_form.h"
#include "host/error.h"

namespace gridkit::cli {

namespace {

// Where Tab goes from the control under test.
constexpr const char* kNextBox = "Text1";

std::optional<host::PropertyBag> LoadBag(const CommandOptions& options) {
  if (!options.Has("load")) return std::nullopt;
  const std::string path = options.Get("load");
  std::ifstream input = OpenInputFile(path);
  const std::string json{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
  CheckReadCompleted(input, path);
  try {
    return host::PropertyBag::FromJson(json);
  } catch (const host::Error& error) {
    throw InputError(path + ": " + error.Description());
  }
}

void ApplySettings(host::UserControl& control, const std::vector<std::string>& settings) {
  for (const std::string& setting : settings) {
    const size_t equals = setting.find('=');
    if (equals == std::string::npos || equals == 0) {
      throw UsageError("--set needs NAME=VALUE, not '" + setting + "'");
    }
    try {
      control.SetProperty(setting.substr(0, equals),
                          host::PropertyValue(std::string(setting.substr(equals + 1))));
    } catch (const host::Error& error) {
      throw InputError("--set " + setting + ": " + error.Description());
    }
  }
}

void Play(host::HeadlessForm& form, const std::vector<KeyStep>& steps, std::string_view site) {
  for (const KeyStep& step : steps) {
    if (std::holds_alternative<FocusStep>(step)) {
      form.FocusControl(site);
    } else {
      form.Press(std::get<host::Keystroke>(step));
    }
  }
}

void SaveBag(host::HeadlessForm& form, std::string_view site, const std::string& path) {
  const std::string json = form.Save(site).ToJson();
  errno = 0;
  std::ofstream output(path, std::ios::binary | std::ios::trunc);
  if (output) output << json << '\n';
  if (output) output.close();
  if (!output) {
    const int cause = errno;
    throw InputError("cannot write " + path + ": " +
                     (cause != 0 ? std::strerror(cause) : "cannot write the file"));
  }
}

// In the order of the command line's documentation.
nlohmann::ordered_json Report(const host::UserControl& control, const EventLog& log) {
  return {
      {"Text", host::ToText(control.GetProperty("Text"))},
      {"SelStart", host::ToInt32(control.GetProperty("SelStart"))},
      {"SelLength", host::ToInt32(control.GetProperty("SelLength"))},
      {"Value", host::ToDouble(control.GetProperty("Value"))},
      {"events", log.Entries()},
  };
}

}  // namespace

int RunKeysCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  // The control's name comes first; the options follow it.
  const bool named = !args.empty() && !args.front().starts_with("-");
  const CommandOptions options(named ? args.subspan(1) : args, {"load", "save", "keys"}, {"set"});
  if (options.HelpAsked()) {
    out << UsageText();
    return kExitCompleted;
  }
  if (!named) throw UsageError("name the control: gridkit keys feskadel ...");
  const CatalogueEntry& entry = CatalogueEntryNamed(args.front());
  if (!options.Has("keys")) throw UsageError("--keys KEYS is required");
  const std::vector<KeyStep> steps = ParseKeyScript(options.Get("keys"));
  std::optional<host::PropertyBag> saved = LoadBag(options);
  const std::string site(entry.siteName);

  // The log outlives the form, whose control records into it to the end.
  EventLog log;
  StderrMessageBox messages(err);
  host::HeadlessForm form(messages);
  host::UserControl* control = nullptr;
  try {
    control = &entry.place(form, site, saved ? &*saved : nullptr, log);
  } catch (const host::Error& error) {
    if (!saved) throw;
    throw InputError(options.Get("load") + ": " + error.Description());
  }
  form.PlaceTextBox(kNextBox);
  ApplySettings(*control, options.GetAll("set"));

  Play(form, steps, site);
  if (options.Has("save")) SaveBag(form, site, options.Get("save"));

  out << Report(*control, log).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
      << "\n";
  return messages.Count() == 0 ? kExitCompleted : kExitFailed;
}

}  // namespace gridkit::cli
