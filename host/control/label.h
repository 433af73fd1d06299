#pragma once
// A label of the window toolkit, as a control's constituent. Measures are
// twips.

#include <cstdint>
#include <string>

#include "host/std_font.h"

namespace gridkit::host {

class Label {
 public:
  virtual ~Label() = default;

  // With AutoSize the label takes the size of its caption in its font.
  virtual std::string Caption() const = 0;
  virtual void setCaption(const std::string& caption) = 0;
  virtual bool AutoSize() const = 0;
  virtual void setAutoSize(bool autoSize) = 0;
  virtual int32_t Left() const = 0;
  virtual int32_t Top() const = 0;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  virtual void setLeft(int32_t left) = 0;
  virtual void setTop(int32_t top) = 0;
  virtual void setWidth(int32_t width) = 0;
  virtual void setHeight(int32_t height) = 0;
  void Move(int32_t left, int32_t top, int32_t width, int32_t height);
  virtual uint32_t BackColor() const = 0;
  virtual void setBackColor(uint32_t color) = 0;
  virtual uint32_t ForeColor() const = 0;
  virtual void setForeColor(uint32_t color) = 0;
  virtual StdFont Font() const = 0;
  virtual void setFont(const StdFont& font) = 0;
  // Free text for the host's own use.
  virtual std::string Tag() const = 0;
  virtual void setTag(const std::string& tag) = 0;
};

}  // namespace gridkit::host
