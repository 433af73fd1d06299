#pragma once
// The print command's flags read into the report's job options, the answer
// to the landscape questions and the host form's width of "W". A bad value
// is a usage error that names its flag.

#include "apps/gridkit/answering_message_box.h"
#include "apps/gridkit/command_line.h"
#include "print/report_options.h"

namespace gridkit::cli {

// Every flag absent gives ReportOptions' defaults.
print::ReportOptions ReadReportOptions(const CommandOptions& options);

// --landscape ask|yes|no|cancel, ask by default.
BoxAnswer ReadLandscapeAnswer(const CommandOptions& options);

// --host-w-width TWIPS, a positive number; fallback when absent.
double ReadHostWWidth(const CommandOptions& options, double fallback);

}  // namespace gridkit::cli
