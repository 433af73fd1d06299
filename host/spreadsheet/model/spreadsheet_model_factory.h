#pragma once
// Starts in-process spreadsheet applications for the components and keeps
// each one, so that the host (or a test) finds them after the component has
// dropped its reference.

#include <memory>
#include <vector>

#include "host/spreadsheet/model/application_model.h"

namespace gridkit::host {

class SpreadsheetModelFactory {
 public:
  explicit SpreadsheetModelFactory(SpreadsheetModelOptions options = {}, ShowHandler onShow = {});

  // The factory to hand to a component.
  SpreadsheetFactory Factory();
  std::shared_ptr<ApplicationModel> Start();

  // While set, starting raises "ActiveX component can't create object", as
  // on a machine without the application.
  void setUnavailable(bool unavailable) { unavailable_ = unavailable; }

  const std::vector<std::shared_ptr<ApplicationModel>>& Started() const { return started_; }
  ApplicationModel& Last() const;

 private:
  SpreadsheetModelOptions options_;
  ShowHandler onShow_;
  bool unavailable_ = false;
  std::vector<std::shared_ptr<ApplicationModel>> started_;
};

}  // namespace gridkit::host
