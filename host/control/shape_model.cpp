#include "host/control/shape_model.h"

#include "host/error.h"

namespace gridkit::host {

void ShapeModel::setWidth(int32_t width) {
  if (width < 0) throw Error::Standard(err::kInvalidPropertyValue);
  width_ = width;
}

void ShapeModel::setHeight(int32_t height) {
  if (height < 0) throw Error::Standard(err::kInvalidPropertyValue);
  height_ = height;
}

}  // namespace gridkit::host
