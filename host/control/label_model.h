#pragma once
// The headless label. With AutoSize, an average character is taken as half
// the font's size wide and a line as 1.2 sizes high (in points, 20 twips
// each), so layouts that follow the caption are deterministic.

#include "host/control/label.h"

namespace gridkit::host {

class LabelModel : public Label {
 public:
  std::string Caption() const override { return caption_; }
  void setCaption(const std::string& caption) override;
  bool AutoSize() const override { return autoSize_; }
  void setAutoSize(bool autoSize) override;
  int32_t Left() const override { return left_; }
  int32_t Top() const override { return top_; }
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void setLeft(int32_t left) override { left_ = left; }
  void setTop(int32_t top) override { top_ = top; }
  void setWidth(int32_t width) override;
  void setHeight(int32_t height) override;
  uint32_t BackColor() const override { return backColor_; }
  void setBackColor(uint32_t color) override { backColor_ = color; }
  uint32_t ForeColor() const override { return foreColor_; }
  void setForeColor(uint32_t color) override { foreColor_ = color; }
  StdFont Font() const override { return font_; }
  void setFont(const StdFont& font) override;
  std::string Tag() const override { return tag_; }
  void setTag(const std::string& tag) override { tag_ = tag; }

 private:
  void FitCaption();

  std::string caption_;
  bool autoSize_ = false;
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t width_ = 1215;
  int32_t height_ = 255;
  uint32_t backColor_ = 0x8000000F;
  uint32_t foreColor_ = 0x80000012;
  StdFont font_;
  std::string tag_;
};

}  // namespace gridkit::host
