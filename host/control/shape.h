#pragma once
// A solid-filled rectangle of the window toolkit, drawn with the not-xor pen
// over the controls beneath it. Measures are twips.

#include <cstdint>

namespace gridkit::host {

class Shape {
 public:
  virtual ~Shape() = default;

  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  virtual void setWidth(int32_t width) = 0;
  virtual void setHeight(int32_t height) = 0;
  virtual uint32_t BackColor() const = 0;
  virtual void setBackColor(uint32_t color) = 0;
  virtual uint32_t FillColor() const = 0;
  virtual void setFillColor(uint32_t color) = 0;
};

}  // namespace gridkit::host
