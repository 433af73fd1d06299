#pragma once
// The surface of a user control: its own size, look and drawing settings,
// read back as set, and its own key and mouse events. Measures are twips.

#include <cstdint>
#include <functional>

#include "host/std_font.h"

namespace gridkit::host {

class ControlSurface {
 public:
  struct Events {
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyDown;
    std::function<void(int16_t& KeyAscii)> KeyPress;
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyUp;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseDown;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseMove;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseUp;
  };
  Events events;

  virtual ~ControlSurface() = default;

  // A size change resizes the control (its Resize runs before the set
  // returns).
  virtual int32_t Width() const = 0;
  virtual void setWidth(int32_t width) = 0;
  virtual int32_t Height() const = 0;
  virtual void setHeight(int32_t height) = 0;
  // The inner height: the height less the border above and below.
  virtual int32_t ScaleHeight() const = 0;

  virtual bool Enabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  // 0 none, 1 fixed single.
  virtual int16_t BorderStyle() const = 0;
  virtual void setBorderStyle(int16_t style) = 0;
  // 0 flat, 1 three-dimensional.
  virtual int16_t Appearance() const = 0;
  virtual void setAppearance(int16_t appearance) = 0;
  // 0 transparent, 1 opaque.
  virtual int16_t BackStyle() const = 0;
  virtual void setBackStyle(int16_t style) = 0;
  virtual StdFont Font() const = 0;
  virtual void setFont(const StdFont& font) = 0;
  virtual float CurrentX() const = 0;
  virtual void setCurrentX(float x) = 0;
  virtual float CurrentY() const = 0;
  virtual void setCurrentY(float y) = 0;
  virtual bool FontTransparent() const = 0;
  virtual void setFontTransparent(bool transparent) = 0;
};

}  // namespace gridkit::host
