#include "host/printer/printers_model.h"

#include "host/error.h"

namespace gridkit::host {

Printer& PrintersModel::Add(std::unique_ptr<Printer> printer) {
  printers_.push_back(std::move(printer));
  return *printers_.back();
}

Printer& PrintersModel::Item(int32_t index) {
  if (index < 0 || index >= Count()) throw Error::Standard(err::kSubscriptOutOfRange);
  return *printers_[static_cast<size_t>(index)];
}

Printer& PrintersModel::Current() {
  if (!current_) throw Error::Standard(err::kObjectNotSet);
  return *current_;
}

}  // namespace gridkit::host
