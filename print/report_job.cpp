#include "print/report_job.h"

namespace gridkit::print {

ReportJob::ReportJob(ReportState& state, host::Printer& printer, const ReportOptions& options,
                     int32_t baseSize, JobServices services)
    : state_(state), printer_(printer), options_(options), base_(baseSize), services_(services) {}

}  // namespace gridkit::print
