#pragma once
// The headless single-line text box: holds text, caret, selection and look,
// and applies keys as the toolkit's own text box does. The form delivers the
// keyboard, mouse and focus through the Deliver calls.

#include <functional>

#include "host/control/text_box.h"

namespace gridkit::host {

class TextBoxModel : public TextBox {
 public:
  std::string Text() const override { return text_; }
  void setText(const std::string& text) override;
  int32_t SelStart() const override { return selStart_; }
  void setSelStart(int32_t start) override;
  int32_t SelLength() const override { return selLength_; }
  void setSelLength(int32_t length) override;
  std::string SelText() const override;
  void setSelText(const std::string& text) override;
  int32_t MaxLength() const override { return maxLength_; }
  void setMaxLength(int32_t length) override;
  int16_t Alignment() const override { return alignment_; }
  void setAlignment(int16_t alignment) override;
  bool Locked() const override { return locked_; }
  void setLocked(bool locked) override { locked_ = locked; }
  std::string PasswordChar() const override { return passwordChar_; }
  void setPasswordChar(const std::string& passwordChar) override;
  bool HideSelection() const override { return hideSelection_; }
  void setHideSelection(bool hide) override { hideSelection_ = hide; }
  StdFont Font() const override { return font_; }
  void setFont(const StdFont& font) override;
  uint32_t BackColor() const override { return backColor_; }
  void setBackColor(uint32_t color) override { backColor_ = color; }
  uint32_t ForeColor() const override { return foreColor_; }
  void setForeColor(uint32_t color) override { foreColor_ = color; }
  bool Enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  int16_t BorderStyle() const override { return borderStyle_; }
  void setBorderStyle(int16_t style) override;
  bool CausesValidation() const override { return causesValidation_; }
  void setCausesValidation(bool causes) override { causesValidation_ = causes; }
  StdPicture MouseIcon() const override { return mouseIcon_; }
  void setMouseIcon(const StdPicture& icon) override { mouseIcon_ = icon; }
  int16_t MousePointer() const override { return mousePointer_; }
  void setMousePointer(int16_t pointer) override;
  int32_t Left() const override { return left_; }
  int32_t Top() const override { return top_; }
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void setLeft(int32_t left) override { left_ = left; }
  void setTop(int32_t top) override { top_ = top; }
  void setWidth(int32_t width) override;
  void setHeight(int32_t height) override;
  void SetFocus() override;
  void Refresh() override { ++refreshCount_; }

  // KeyDown is raised; unless the handler set the code to 0, Home, End, the
  // arrows and Delete then act.
  void DeliverKeyDown(int16_t keyCode, int16_t shift);
  // KeyPress is raised with the character's code; the code the handler
  // leaves is then applied: 0 discards it, Backspace deletes, a printable
  // character replaces the selection unless the box is full.
  void DeliverKeyPress(char32_t character);
  void DeliverKeyUp(int16_t keyCode, int16_t shift);
  void DeliverGotFocus();
  void DeliverLostFocus();
  // Raises Validate; false when the handler cancelled (the focus stays).
  bool DeliverValidate();
  void DeliverClick();
  void DeliverDblClick();
  enum class MouseAction { Down, Move, Up };
  void DeliverMouse(MouseAction action, int16_t button, int16_t shift, float x, float y);

  // The form's answer to SetFocus.
  std::function<void()> focusRequest;
  int RefreshCount() const { return refreshCount_; }

 private:
  int32_t Length() const;
  // Replaces count characters at start, leaves the caret at caret with
  // nothing selected and raises Change when the text differs.
  void Replace(int32_t start, int32_t count, const std::string& insert, int32_t caret);
  void ApplyCode(int16_t code, char32_t character);

  std::string text_;
  int32_t selStart_ = 0;
  int32_t selLength_ = 0;
  int32_t maxLength_ = 0;
  int16_t alignment_ = 0;
  bool locked_ = false;
  std::string passwordChar_;
  bool hideSelection_ = true;
  StdFont font_;
  uint32_t backColor_ = 0x80000005;
  uint32_t foreColor_ = 0x80000008;
  bool enabled_ = true;
  int16_t borderStyle_ = 1;
  bool causesValidation_ = true;
  StdPicture mouseIcon_;
  int16_t mousePointer_ = 0;
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t width_ = 1215;
  int32_t height_ = 285;
  int refreshCount_ = 0;
};

}  // namespace gridkit::host
