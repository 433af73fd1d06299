#include "host/printer/host_form_model.h"

#include "host/text/utf8.h"

namespace gridkit::host {

double HostFormModel::TextWidth(std::string_view text) const {
  return static_cast<double>(CharCount(text)) * characterWidth_;
}

}  // namespace gridkit::host
