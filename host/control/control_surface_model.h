#pragma once
// The headless control surface. A fixed single border is one pixel (15
// twips) flat or two pixels three-dimensional, above and below, which is
// what ScaleHeight leaves out. A size change calls the resize handler the
// container installs.

#include <functional>

#include "host/control/control_surface.h"

namespace gridkit::host {

class ControlSurfaceModel : public ControlSurface {
 public:
  int32_t Width() const override { return width_; }
  void setWidth(int32_t width) override;
  int32_t Height() const override { return height_; }
  void setHeight(int32_t height) override;
  int32_t ScaleHeight() const override;
  bool Enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  int16_t BorderStyle() const override { return borderStyle_; }
  void setBorderStyle(int16_t style) override;
  int16_t Appearance() const override { return appearance_; }
  void setAppearance(int16_t appearance) override;
  int16_t BackStyle() const override { return backStyle_; }
  void setBackStyle(int16_t style) override;
  StdFont Font() const override { return font_; }
  void setFont(const StdFont& font) override;
  float CurrentX() const override { return currentX_; }
  void setCurrentX(float x) override { currentX_ = x; }
  float CurrentY() const override { return currentY_; }
  void setCurrentY(float y) override { currentY_ = y; }
  bool FontTransparent() const override { return fontTransparent_; }
  void setFontTransparent(bool transparent) override { fontTransparent_ = transparent; }

  // The size the control was designed at, given without a resize.
  void Design(int32_t width, int32_t height);
  std::function<void()> resized;

 private:
  void SetSize(int32_t width, int32_t height);

  int32_t width_ = 0;
  int32_t height_ = 0;
  bool enabled_ = true;
  int16_t borderStyle_ = 0;
  int16_t appearance_ = 1;
  int16_t backStyle_ = 1;
  StdFont font_;
  float currentX_ = 0;
  float currentY_ = 0;
  bool fontTransparent_ = true;
};

}  // namespace gridkit::host
