#include "host/control/label_model.h"

#include <cmath>

#include "host/error.h"
#include "host/text/utf8.h"

namespace gridkit::host {

void LabelModel::setCaption(const std::string& caption) {
  caption_ = caption;
  FitCaption();
}

void LabelModel::setAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  FitCaption();
}

void LabelModel::setWidth(int32_t width) {
  if (width < 0) throw Error::Standard(err::kInvalidPropertyValue);
  width_ = width;
}

void LabelModel::setHeight(int32_t height) {
  if (height < 0) throw Error::Standard(err::kInvalidPropertyValue);
  height_ = height;
}

void LabelModel::setFont(const StdFont& font) {
  if (!IsUsableFont(font)) throw Error::Standard(err::kInvalidPropertyValue);
  font_ = font;
  FitCaption();
}

void LabelModel::FitCaption() {
  if (!autoSize_) return;
  const double characterWidth = font_.Size * 10;  // half the size, in twips
  width_ =
      static_cast<int32_t>(std::lround(static_cast<double>(CharCount(caption_)) * characterWidth));
  height_ = static_cast<int32_t>(std::lround(font_.Size * 24));
}

}  // namespace gridkit::host
