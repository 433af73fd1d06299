#include "apps/gridkit/event_log.h"

namespace gridkit::cli {

void EventLog::Record(std::string_view event, std::initializer_list<host::PropertyValue> args) {
  std::string entry(event);
  if (args.size() != 0) {
    const char* separator = "(";
    for (const host::PropertyValue& arg : args) {
      entry += separator;
      entry += host::ToText(arg);
      separator = ", ";
    }
    entry += ')';
  }
  entries_.push_back(std::move(entry));
}

}  // namespace gridkit::cli
