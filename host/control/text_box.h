#pragma once
// A single-line text box of the window toolkit, as a control's constituent.
// Positions, lengths and the caret count characters; measures are twips.

#include <cstdint>
#include <functional>
#include <string>

#include "host/std_font.h"
#include "host/std_picture.h"

namespace gridkit::host {

class TextBox {
 public:
  struct Events {
    std::function<void()> Change;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyDown;
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyUp;
    std::function<void(int16_t& KeyAscii)> KeyPress;
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseDown;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseMove;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseUp;
    std::function<void(bool& Cancel)> Validate;
  };
  Events events;

  virtual ~TextBox() = default;

  // Setting the text raises Change before returning, unless it is unchanged;
  // either way the caret is then at 0 with nothing selected.
  virtual std::string Text() const = 0;
  virtual void setText(const std::string& text) = 0;
  // Setting SelStart moves the caret (cut at the text's end) and empties the
  // selection; SelLength extends the selection from SelStart, cut at the end.
  virtual int32_t SelStart() const = 0;
  virtual void setSelStart(int32_t start) = 0;
  virtual int32_t SelLength() const = 0;
  virtual void setSelLength(int32_t length) = 0;
  // Setting SelText replaces the selection and leaves the caret after it.
  virtual std::string SelText() const = 0;
  virtual void setSelText(const std::string& text) = 0;
  // 0 is no limit. The limit binds typing only, not a text set from code.
  virtual int32_t MaxLength() const = 0;
  virtual void setMaxLength(int32_t length) = 0;
  // 0 left, 1 right, 2 centre.
  virtual int16_t Alignment() const = 0;
  virtual void setAlignment(int16_t alignment) = 0;
  virtual bool Locked() const = 0;
  virtual void setLocked(bool locked) = 0;
  // Empty, or the one character shown in place of each typed one.
  virtual std::string PasswordChar() const = 0;
  virtual void setPasswordChar(const std::string& passwordChar) = 0;
  virtual bool HideSelection() const = 0;
  virtual void setHideSelection(bool hide) = 0;

  virtual StdFont Font() const = 0;
  virtual void setFont(const StdFont& font) = 0;
  // The single font attributes change the box's font.
  std::string FontName() const { return Font().Name; }
  void setFontName(const std::string& name);
  float FontSize() const { return static_cast<float>(Font().Size); }
  void setFontSize(float size);
  bool FontBold() const { return Font().Bold; }
  void setFontBold(bool bold);
  bool FontItalic() const { return Font().Italic; }
  void setFontItalic(bool italic);
  bool FontStrikethru() const { return Font().Strikethrough; }
  void setFontStrikethru(bool strikethru);
  bool FontUnderline() const { return Font().Underline; }
  void setFontUnderline(bool underline);

  virtual uint32_t BackColor() const = 0;
  virtual void setBackColor(uint32_t color) = 0;
  virtual uint32_t ForeColor() const = 0;
  virtual void setForeColor(uint32_t color) = 0;
  virtual bool Enabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  // 0 none, 1 fixed single.
  virtual int16_t BorderStyle() const = 0;
  virtual void setBorderStyle(int16_t style) = 0;
  virtual bool CausesValidation() const = 0;
  virtual void setCausesValidation(bool causes) = 0;
  virtual StdPicture MouseIcon() const = 0;
  virtual void setMouseIcon(const StdPicture& icon) = 0;
  virtual int16_t MousePointer() const = 0;
  virtual void setMousePointer(int16_t pointer) = 0;

  virtual int32_t Left() const = 0;
  virtual int32_t Top() const = 0;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  virtual void setLeft(int32_t left) = 0;
  virtual void setTop(int32_t top) = 0;
  virtual void setWidth(int32_t width) = 0;
  virtual void setHeight(int32_t height) = 0;
  void Move(int32_t left, int32_t top, int32_t width, int32_t height);

 private:
  template <class Value>
  void setFontMember(Value StdFont::*member, Value value) {
    StdFont font = Font();
    font.*member = value;
    setFont(font);
  }

 public:
  // Asks the window that holds the box to give it the focus.
  virtual void SetFocus() = 0;
  virtual void Refresh() = 0;
};

}  // namespace gridkit::host
