#include "host/printer/printer_model.h"

#include "host/error.h"
#include "host/text/utf8.h"

namespace gridkit::host {

PrinterModel::PrinterModel(std::string deviceName, double portraitWidth, double portraitHeight)
    : deviceName_(std::move(deviceName)),
      portraitWidth_(portraitWidth),
      portraitHeight_(portraitHeight) {}

void PrinterModel::setScaleMode(int16_t mode) {
  if (mode < 0 || mode > 7) throw Error::Standard(err::kInvalidPropertyValue);
  scaleMode_ = mode;
  calls_.push_back("ScaleMode " + std::to_string(mode));
}

void PrinterModel::setFillStyle(int16_t style) {
  if (style < 0 || style > 7) throw Error::Standard(err::kInvalidPropertyValue);
  calls_.push_back("FillStyle " + std::to_string(style));
}

double PrinterModel::TextWidth(std::string_view text) const {
  const double character = font_.Size / 10 * (font_.Bold ? 1.1 : 1.0);
  return static_cast<double>(CharCount(text)) * character;
}

double PrinterModel::TextHeight(std::string_view /*text*/) const {
  return font_.Size / 8;
}

double PrinterModel::ScaleWidth() const {
  return orientation_ == printer::kLandscape ? portraitHeight_ * 2 : portraitWidth_;
}

double PrinterModel::ScaleHeight() const {
  return orientation_ == printer::kLandscape ? portraitWidth_ / 2 : portraitHeight_;
}

void PrinterModel::setOrientation(int16_t orientation) {
  if (orientation != printer::kPortrait && orientation != printer::kLandscape) {
    throw Error::Standard(err::kInvalidPropertyValue);
  }
  orientation_ = orientation;
  calls_.push_back("Orientation " + std::to_string(orientation));
}

bool PrinterModel::DocumentOpen() const {
  return !documents_.empty() && documents_.back().state == DocumentState::Open;
}

PrintedPage& PrinterModel::DrawingPage() {
  if (!DocumentOpen()) {
    documents_.emplace_back();
    page_ = 1;
    pageBegun_ = false;
  }
  PrintedDocument& document = documents_.back();
  if (!pageBegun_) {
    document.pages.emplace_back();
    document.pages.back().orientation = orientation_;
    pageBegun_ = true;
  }
  return document.pages.back();
}

void PrinterModel::Print(std::string_view text) {
  PrintedPage& page = DrawingPage();
  page.texts.push_back(
      {currentX_, currentY_, std::string(text), font_.Name, font_.Size, font_.Bold});
}

void PrinterModel::Line(double x1, double y1, double x2, double y2) {
  DrawingPage().rules.push_back({x1, y1, x2, y2});
}

void PrinterModel::NewPage() {
  calls_.push_back("NewPage");
  DrawingPage();
  pageBegun_ = false;
  ++page_;
}

void PrinterModel::EndDoc() {
  calls_.push_back("EndDoc");
  if (!DocumentOpen()) return;
  documents_.back().state = DocumentState::Ended;
  page_ = 1;
  pageBegun_ = false;
}

void PrinterModel::KillDoc() {
  calls_.push_back("KillDoc");
  if (!DocumentOpen()) return;
  documents_.back().state = DocumentState::Killed;
  page_ = 1;
  pageBegun_ = false;
}

}  // namespace gridkit::host
