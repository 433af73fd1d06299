#pragma once
// Feskadel: a money-like amount in one text box, TxtNumber, that fills the
// control. Keys are filtered to digits, Backspace and one point with at most
// two decimals typed; an empty or zero box shows ".00" on entry. Value
// follows the text; every other property is the box's or the surface's,
// passed through and saved with the form.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "host/control/control_site.h"
#include "host/control/property_bag.h"
#include "host/control/user_control.h"

namespace gridkit::entry {

class Feskadel : public host::UserControl {
 public:
  // Raised to the host form; every argument is by reference.
  struct Events {
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyDown;
    std::function<void(int16_t& KeyAscii)> KeyPress;
    std::function<void(int16_t& KeyCode, int16_t& Shift)> KeyUp;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseDown;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseMove;
    std::function<void(int16_t& Button, int16_t& Shift, float& X, float& Y)> MouseUp;
    std::function<void()> Change;
    std::function<void()> Resize;
    std::function<void(host::PropertyBag& PropBag)> ReadProperties;
    std::function<void(bool& Cancel)> Validate;
    std::function<void(host::PropertyBag& PropBag)> WriteProperties;
  };
  Events events;

  explicit Feskadel(host::ControlSite& site);

  // Properties in interface order. A set passes the value to its holder and
  // then marks the property changed.
  uint32_t BackColor() const;
  void setBackColor(uint32_t color);
  uint32_t ForeColor() const;
  void setForeColor(uint32_t color);
  bool Enabled() const;
  void setEnabled(bool enabled);
  host::StdFont Font() const;
  void setFont(const host::StdFont& font);
  int16_t BackStyle() const;
  void setBackStyle(int16_t style);
  int16_t BorderStyle() const;
  void setBorderStyle(int16_t style);
  bool CausesValidation() const;
  void setCausesValidation(bool causes);
  float CurrentX() const;
  void setCurrentX(float x);
  float CurrentY() const;
  void setCurrentY(float y);
  bool FontBold() const;
  void setFontBold(bool bold);
  bool FontItalic() const;
  void setFontItalic(bool italic);
  std::string FontName() const;
  void setFontName(const std::string& name);
  float FontSize() const;
  void setFontSize(float size);
  bool FontStrikethru() const;
  void setFontStrikethru(bool strikethru);
  bool FontTransparent() const;
  void setFontTransparent(bool transparent);
  bool FontUnderline() const;
  void setFontUnderline(bool underline);
  bool Locked() const;
  void setLocked(bool locked);
  int32_t MaxLength() const;
  void setMaxLength(int32_t length);
  std::string PasswordChar() const;
  void setPasswordChar(const std::string& passwordChar);
  int32_t SelLength() const;
  void setSelLength(int32_t length);
  int32_t SelStart() const;
  void setSelStart(int32_t start);
  std::string SelText() const;
  void setSelText(const std::string& text);
  // Setting the text runs the change handling: Change, then Value re-read.
  std::string Text() const;
  void setText(const std::string& text);
  // The stored value; setting it leaves the text as it is.
  double Value() const { return value_; }
  void setValue(double value);

  void Refresh();

  host::TextBox& TxtNumber() { return txtNumber_; }
  const host::TextBox& TxtNumber() const { return txtNumber_; }

  Size DesignedSize() const override { return {1965, 390}; }
  void InitProperties() override;
  void ReadProperties(host::PropertyBag& bag) override;
  void WriteProperties(host::PropertyBag& bag) override;
  void Resize() override;
  host::PropertyValue GetProperty(std::string_view name) const override;
  void SetProperty(std::string_view name, const host::PropertyValue& value) override;

 private:
  struct Property;
  static const Property* Find(std::string_view name);
  static std::span<const Property> Properties();
  void Set(std::string_view name, const host::PropertyValue& value);

  void WireTextBox();

  host::ControlSite& site_;
  host::TextBox& txtNumber_;
  double value_ = 0;
};

}  // namespace gridkit::entry
