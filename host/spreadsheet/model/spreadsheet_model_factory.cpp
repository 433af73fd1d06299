#include "host/spreadsheet/model/spreadsheet_model_factory.h"

#include "host/error.h"

namespace gridkit::host {

SpreadsheetModelFactory::SpreadsheetModelFactory(SpreadsheetModelOptions options,
                                                 ShowHandler onShow)
    : options_(std::move(options)), onShow_(std::move(onShow)) {}

std::shared_ptr<ApplicationModel> SpreadsheetModelFactory::Start() {
  if (unavailable_) throw Error::Standard(err::kCannotCreateObject);
  started_.push_back(std::make_shared<ApplicationModel>(options_, onShow_));
  return started_.back();
}

SpreadsheetFactory SpreadsheetModelFactory::Factory() {
  return [this]() -> std::shared_ptr<SpreadsheetApplication> { return Start(); };
}

ApplicationModel& SpreadsheetModelFactory::Last() const {
  if (started_.empty()) throw Error::Standard(err::kObjectNotSet);
  return *started_.back();
}

}  // namespace gridkit::host
