// Feskadel's properties: the typed accessors, the by-name dispatch, and
// loading and saving, all from one table in interface order.

#include <optional>

#include "entry/feskadel/feskadel.h"
#include "host/control/raise_event.h"
#include "host/error.h"
#include "host/text/utf8.h"

namespace gridkit::entry {

using host::OleColor;
using host::PropertyValue;

struct Feskadel::Property {
  std::string_view name;
  PropertyValue (*get)(const Feskadel&);
  // Gives the value to its holder, without marking anything changed.
  void (*apply)(Feskadel&, const PropertyValue&);
  PropertyValue loadDefault;
  // Saving compares against the load default unless this says otherwise.
  std::optional<PropertyValue> saveDefault = std::nullopt;
  // The default is the container's ambient font.
  bool ambientDefault = false;
};

std::span<const Feskadel::Property> Feskadel::Properties() {
  static const Property kProperties[] = {
      {"BackColor", [](const Feskadel& f) -> PropertyValue { return OleColor{f.BackColor()}; },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setBackColor(host::ToColor(v)); },
       OleColor{0x80000005}},
      {"ForeColor", [](const Feskadel& f) -> PropertyValue { return OleColor{f.ForeColor()}; },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setForeColor(host::ToColor(v)); },
       OleColor{0x80000008}},
      {"Enabled", [](const Feskadel& f) -> PropertyValue { return f.Enabled(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setEnabled(host::ToBool(v)); }, true},
      {"Font", [](const Feskadel& f) -> PropertyValue { return f.Font(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setFont(host::ToFont(v)); },
       host::Nothing{}, std::nullopt, true},
      {"BackStyle", [](const Feskadel& f) -> PropertyValue { return f.BackStyle(); },
       [](Feskadel& f, const PropertyValue& v) {
         f.site_.Surface().setBackStyle(host::ToInt16(v));
       },
       int16_t{1}},
      {"BorderStyle", [](const Feskadel& f) -> PropertyValue { return f.BorderStyle(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setBorderStyle(host::ToInt16(v)); },
       int16_t{1}},
      {"CausesValidation", [](const Feskadel& f) -> PropertyValue { return f.CausesValidation(); },
       [](Feskadel& f, const PropertyValue& v) {
         f.txtNumber_.setCausesValidation(host::ToBool(v));
       },
       true},
      {"CurrentX", [](const Feskadel& f) -> PropertyValue { return f.CurrentX(); },
       [](Feskadel& f, const PropertyValue& v) {
         f.site_.Surface().setCurrentX(host::ToSingle(v));
       },
       0.0f},
      {"CurrentY", [](const Feskadel& f) -> PropertyValue { return f.CurrentY(); },
       [](Feskadel& f, const PropertyValue& v) {
         f.site_.Surface().setCurrentY(host::ToSingle(v));
       },
       0.0f},
      {"FontBold", [](const Feskadel& f) -> PropertyValue { return f.FontBold(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setFontBold(host::ToBool(v)); },
       false},
      {"FontItalic", [](const Feskadel& f) -> PropertyValue { return f.FontItalic(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setFontItalic(host::ToBool(v)); },
       false},
      {"FontName", [](const Feskadel& f) -> PropertyValue { return f.FontName(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setFontName(host::ToText(v)); },
       std::string("MS Sans Serif"), std::string()},
      {"FontSize", [](const Feskadel& f) -> PropertyValue { return f.FontSize(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setFontSize(host::ToSingle(v)); },
       10.0f, 0.0f},
      {"FontStrikethru", [](const Feskadel& f) -> PropertyValue { return f.FontStrikethru(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setFontStrikethru(host::ToBool(v)); },
       false},
      {"FontTransparent", [](const Feskadel& f) -> PropertyValue { return f.FontTransparent(); },
       [](Feskadel& f, const PropertyValue& v) {
         f.site_.Surface().setFontTransparent(host::ToBool(v));
       },
       true},
      {"FontUnderline", [](const Feskadel& f) -> PropertyValue { return f.FontUnderline(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setFontUnderline(host::ToBool(v)); },
       false},
      {"Locked", [](const Feskadel& f) -> PropertyValue { return f.Locked(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setLocked(host::ToBool(v)); }, false},
      {"MaxLength", [](const Feskadel& f) -> PropertyValue { return f.MaxLength(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setMaxLength(host::ToInt32(v)); },
       int32_t{0}},
      {"PasswordChar", [](const Feskadel& f) -> PropertyValue { return f.PasswordChar(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setPasswordChar(host::ToText(v)); },
       std::string()},
      {"SelLength", [](const Feskadel& f) -> PropertyValue { return f.SelLength(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setSelLength(host::ToInt32(v)); },
       int32_t{0}},
      {"SelStart", [](const Feskadel& f) -> PropertyValue { return f.SelStart(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setSelStart(host::ToInt32(v)); },
       int32_t{0}},
      {"SelText", [](const Feskadel& f) -> PropertyValue { return f.SelText(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setSelText(host::ToText(v)); },
       std::string()},
      {"Text", [](const Feskadel& f) -> PropertyValue { return f.Text(); },
       [](Feskadel& f, const PropertyValue& v) { f.txtNumber_.setText(host::ToText(v)); },
       std::string()},
      {"Value", [](const Feskadel& f) -> PropertyValue { return f.Value(); },
       [](Feskadel& f, const PropertyValue& v) { f.value_ = host::ToDouble(v); }, 0.0},
  };
  return kProperties;
}

const Feskadel::Property* Feskadel::Find(std::string_view name) {
  for (const Property& property : Properties()) {
    if (host::EqualIgnoringCase(property.name, name)) return &property;
  }
  return nullptr;
}

void Feskadel::Set(std::string_view name, const PropertyValue& value) {
  const Property* property = Find(name);
  property->apply(*this, value);
  site_.PropertyChanged(property->name);
}

PropertyValue Feskadel::GetProperty(std::string_view name) const {
  const Property* property = Find(name);
  if (!property) return UserControl::GetProperty(name);
  return property->get(*this);
}

void Feskadel::SetProperty(std::string_view name, const PropertyValue& value) {
  if (!Find(name)) return UserControl::SetProperty(name, value);
  Set(name, value);
}

// Each property is read with its default and given to its holder at once, so
// the single font attributes override the font object, and the text (with
// its change handling) comes before the value read last.
void Feskadel::ReadProperties(host::PropertyBag& bag) {
  host::RaiseEvent(events.ReadProperties, bag);
  for (const Property& property : Properties()) {
    const PropertyValue fallback =
        property.ambientDefault ? PropertyValue(site_.AmbientFont()) : property.loadDefault;
    property.apply(*this, bag.ReadProperty(property.name, fallback));
  }
}

void Feskadel::WriteProperties(host::PropertyBag& bag) {
  host::RaiseEvent(events.WriteProperties, bag);
  for (const Property& property : Properties()) {
    const PropertyValue fallback = property.ambientDefault ? PropertyValue(site_.AmbientFont())
                                   : property.saveDefault  ? *property.saveDefault
                                                           : property.loadDefault;
    bag.WriteProperty(property.name, property.get(*this), fallback);
  }
}

uint32_t Feskadel::BackColor() const {
  return txtNumber_.BackColor();
}
void Feskadel::setBackColor(uint32_t color) {
  Set("BackColor", OleColor{color});
}
uint32_t Feskadel::ForeColor() const {
  return txtNumber_.ForeColor();
}
void Feskadel::setForeColor(uint32_t color) {
  Set("ForeColor", OleColor{color});
}
bool Feskadel::Enabled() const {
  return txtNumber_.Enabled();
}
void Feskadel::setEnabled(bool enabled) {
  Set("Enabled", enabled);
}
host::StdFont Feskadel::Font() const {
  return txtNumber_.Font();
}
void Feskadel::setFont(const host::StdFont& font) {
  Set("Font", font);
}
int16_t Feskadel::BackStyle() const {
  return site_.Surface().BackStyle();
}
void Feskadel::setBackStyle(int16_t style) {
  Set("BackStyle", style);
}
int16_t Feskadel::BorderStyle() const {
  return txtNumber_.BorderStyle();
}
void Feskadel::setBorderStyle(int16_t style) {
  Set("BorderStyle", style);
}
bool Feskadel::CausesValidation() const {
  return txtNumber_.CausesValidation();
}
void Feskadel::setCausesValidation(bool causes) {
  Set("CausesValidation", causes);
}
float Feskadel::CurrentX() const {
  return site_.Surface().CurrentX();
}
void Feskadel::setCurrentX(float x) {
  Set("CurrentX", x);
}
float Feskadel::CurrentY() const {
  return site_.Surface().CurrentY();
}
void Feskadel::setCurrentY(float y) {
  Set("CurrentY", y);
}
bool Feskadel::FontBold() const {
  return txtNumber_.FontBold();
}
void Feskadel::setFontBold(bool bold) {
  Set("FontBold", bold);
}
bool Feskadel::FontItalic() const {
  return txtNumber_.FontItalic();
}
void Feskadel::setFontItalic(bool italic) {
  Set("FontItalic", italic);
}
std::string Feskadel::FontName() const {
  return txtNumber_.FontName();
}
void Feskadel::setFontName(const std::string& name) {
  Set("FontName", name);
}
float Feskadel::FontSize() const {
  return txtNumber_.FontSize();
}
void Feskadel::setFontSize(float size) {
  Set("FontSize", size);
}
bool Feskadel::FontStrikethru() const {
  return txtNumber_.FontStrikethru();
}
void Feskadel::setFontStrikethru(bool strikethru) {
  Set("FontStrikethru", strikethru);
}
bool Feskadel::FontTransparent() const {
  return site_.Surface().FontTransparent();
}
void Feskadel::setFontTransparent(bool transparent) {
  Set("FontTransparent", transparent);
}
bool Feskadel::FontUnderline() const {
  return txtNumber_.FontUnderline();
}
void Feskadel::setFontUnderline(bool underline) {
  Set("FontUnderline", underline);
}
bool Feskadel::Locked() const {
  return txtNumber_.Locked();
}
void Feskadel::setLocked(bool locked) {
  Set("Locked", locked);
}
int32_t Feskadel::MaxLength() const {
  return txtNumber_.MaxLength();
}
void Feskadel::setMaxLength(int32_t length) {
  Set("MaxLength", length);
}
std::string Feskadel::PasswordChar() const {
  return txtNumber_.PasswordChar();
}
void Feskadel::setPasswordChar(const std::string& passwordChar) {
  Set("PasswordChar", passwordChar);
}
int32_t Feskadel::SelLength() const {
  return txtNumber_.SelLength();
}
void Feskadel::setSelLength(int32_t length) {
  Set("SelLength", length);
}
int32_t Feskadel::SelStart() const {
  return txtNumber_.SelStart();
}
void Feskadel::setSelStart(int32_t start) {
  Set("SelStart", start);
}
std::string Feskadel::SelText() const {
  return txtNumber_.SelText();
}
void Feskadel::setSelText(const std::string& text) {
  Set("SelText", text);
}
std::string Feskadel::Text() const {
  return txtNumber_.Text();
}
void Feskadel::setText(const std::string& text) {
  Set("Text", text);
}
void Feskadel::setValue(double value) {
  Set("Value", value);
}

}  // namespace gridkit::entry
