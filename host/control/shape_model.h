#pragma once
// The headless shape: a filled rectangle that keeps what it was given.

#include "host/control/shape.h"

namespace gridkit::host {

class ShapeModel : public Shape {
 public:
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void setWidth(int32_t width) override;
  void setHeight(int32_t height) override;
  uint32_t BackColor() const override { return backColor_; }
  void setBackColor(uint32_t color) override { backColor_ = color; }
  uint32_t FillColor() const override { return fillColor_; }
  void setFillColor(uint32_t color) override { fillColor_ = color; }

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  uint32_t backColor_ = 0x80000005;
  uint32_t fillColor_ = 0;
};

}  // namespace gridkit::host
