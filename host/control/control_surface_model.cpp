#include "host/control/control_surface_model.h"

#include <algorithm>

#include "host/error.h"

namespace gridkit::host {
namespace {

[[noreturn]] void InvalidValue() {
  throw Error::Standard(err::kInvalidPropertyValue);
}

}  // namespace

void ControlSurfaceModel::setWidth(int32_t width) {
  SetSize(width, height_);
}

void ControlSurfaceModel::setHeight(int32_t height) {
  SetSize(width_, height);
}

void ControlSurfaceModel::SetSize(int32_t width, int32_t height) {
  if (width < 0 || height < 0) InvalidValue();
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  if (resized) resized();
}

void ControlSurfaceModel::Design(int32_t width, int32_t height) {
  if (width < 0 || height < 0) InvalidValue();
  width_ = width;
  height_ = height;
}

int32_t ControlSurfaceModel::ScaleHeight() const {
  const int32_t border = borderStyle_ == 0 ? 0 : appearance_ == 0 ? 15 : 30;
  return std::max(0, height_ - 2 * border);
}

void ControlSurfaceModel::setBorderStyle(int16_t style) {
  if (style != 0 && style != 1) InvalidValue();
  borderStyle_ = style;
}

void ControlSurfaceModel::setAppearance(int16_t appearance) {
  if (appearance != 0 && appearance != 1) InvalidValue();
  appearance_ = appearance;
}

void ControlSurfaceModel::setBackStyle(int16_t style) {
  if (style != 0 && style != 1) InvalidValue();
  backStyle_ = style;
}

void ControlSurfaceModel::setFont(const StdFont& font) {
  if (!IsUsableFont(font)) InvalidValue();
  font_ = font;
}

}  // namespace gridkit::host
