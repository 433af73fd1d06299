#include "host/control/text_box_model.h"

#include <algorithm>

#include "host/control/key_codes.h"
#include "host/control/raise_event.h"
#include "host/error.h"
#include "host/text/utf8.h"

namespace gridkit::host {
namespace {

[[noreturn]] void InvalidValue() {
  throw Error::Standard(err::kInvalidPropertyValue);
}

// The KeyPress code of a character: its 16-bit code unit, or "?" for one
// beyond 16 bits.
int16_t KeyAsciiOf(char32_t c) {
  return c <= 0xFFFF ? static_cast<int16_t>(static_cast<uint16_t>(c)) : int16_t{'?'};
}

}  // namespace

int32_t TextBoxModel::Length() const {
  return static_cast<int32_t>(CharCount(text_));
}

void TextBoxModel::setText(const std::string& text) {
  const bool changed = text != text_;
  text_ = text;
  selStart_ = 0;
  selLength_ = 0;
  if (changed) RaiseEvent(events.Change);
}

void TextBoxModel::setSelStart(int32_t start) {
  if (start < 0) InvalidValue();
  selStart_ = std::min(start, Length());
  selLength_ = 0;
}

void TextBoxModel::setSelLength(int32_t length) {
  if (length < 0) InvalidValue();
  selLength_ = std::min(length, Length() - selStart_);
}

std::string TextBoxModel::SelText() const {
  return CharSlice(text_, static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
}

void TextBoxModel::setSelText(const std::string& text) {
  Replace(selStart_, selLength_, text, selStart_ + static_cast<int32_t>(CharCount(text)));
}

void TextBoxModel::setMaxLength(int32_t length) {
  if (length < 0) InvalidValue();
  maxLength_ = length;
}

void TextBoxModel::setAlignment(int16_t alignment) {
  if (alignment < 0 || alignment > 2) InvalidValue();
  alignment_ = alignment;
}

void TextBoxModel::setPasswordChar(const std::string& passwordChar) {
  if (CharCount(passwordChar) > 1) InvalidValue();
  passwordChar_ = passwordChar;
}

void TextBoxModel::setFont(const StdFont& font) {
  if (!IsUsableFont(font)) InvalidValue();
  font_ = font;
}

void TextBoxModel::setBorderStyle(int16_t style) {
  if (style != 0 && style != 1) InvalidValue();
  borderStyle_ = style;
}

void TextBoxModel::setMousePointer(int16_t pointer) {
  if ((pointer < 0 || pointer > 15) && pointer != 99) InvalidValue();
  mousePointer_ = pointer;
}

void TextBoxModel::setWidth(int32_t width) {
  if (width < 0) InvalidValue();
  width_ = width;
}

void TextBoxModel::setHeight(int32_t height) {
  if (height < 0) InvalidValue();
  height_ = height;
}

void TextBoxModel::SetFocus() {
  if (!enabled_) throw Error::Standard(err::kInvalidCall);
  if (focusRequest) focusRequest();
}

void TextBoxModel::Replace(int32_t start, int32_t count, const std::string& insert, int32_t caret) {
  const size_t from = CharOffset(text_, static_cast<size_t>(start));
  const size_t to = CharOffset(text_, static_cast<size_t>(start + count));
  std::string next = text_.substr(0, from) + insert + text_.substr(to);
  const bool changed = next != text_;
  text_ = std::move(next);
  selStart_ = caret;
  selLength_ = 0;
  if (changed) RaiseEvent(events.Change);
}

void TextBoxModel::DeliverKeyDown(int16_t keyCode, int16_t shift) {
  RaiseEvent(events.KeyDown, keyCode, shift);
  const int32_t end = selStart_ + selLength_;
  switch (keyCode) {
    case key::kHome:
      selStart_ = 0;
      selLength_ = 0;
      break;
    case key::kEnd:
      selStart_ = Length();
      selLength_ = 0;
      break;
    case key::kLeft:
    case key::kUp:
      if (selLength_ == 0) selStart_ = std::max(0, selStart_ - 1);
      selLength_ = 0;
      break;
    case key::kRight:
    case key::kDown:
      selStart_ = selLength_ == 0 ? std::min(Length(), selStart_ + 1) : end;
      selLength_ = 0;
      break;
    case key::kDelete:
      if (locked_) break;
      if (selLength_ > 0) {
        Replace(selStart_, selLength_, {}, selStart_);
      } else if (selStart_ < Length()) {
        Replace(selStart_, 1, {}, selStart_);
      }
      break;
    default:
      break;
  }
}

void TextBoxModel::DeliverKeyPress(char32_t character) {
  const int16_t original = KeyAsciiOf(character);
  int16_t code = original;
  RaiseEvent(events.KeyPress, code);
  // A code the handler left alone types the character itself, even one
  // beyond 16 bits.
  ApplyCode(code, code == original ? character : static_cast<uint16_t>(code));
}

void TextBoxModel::ApplyCode(int16_t code, char32_t character) {
  if (code == 0 || locked_) return;
  if (code == key::kBack) {
    if (selLength_ > 0) {
      Replace(selStart_, selLength_, {}, selStart_);
    } else if (selStart_ > 0) {
      Replace(selStart_ - 1, 1, {}, selStart_ - 1);
    }
    return;
  }
  // Enter, Escape and the other control characters type nothing in a
  // single-line box.
  if (character < 32 || character == 127) return;
  if (maxLength_ > 0 && Length() >= maxLength_ && selLength_ == 0) return;
  Replace(selStart_, selLength_, EncodeChar(character), selStart_ + 1);
}

void TextBoxModel::DeliverKeyUp(int16_t keyCode, int16_t shift) {
  RaiseEvent(events.KeyUp, keyCode, shift);
}

void TextBoxModel::DeliverGotFocus() {
  RaiseEvent(events.GotFocus);
}

void TextBoxModel::DeliverLostFocus() {
  RaiseEvent(events.LostFocus);
}

bool TextBoxModel::DeliverValidate() {
  bool cancel = false;
  RaiseEvent(events.Validate, cancel);
  return !cancel;
}

void TextBoxModel::DeliverClick() {
  RaiseEvent(events.Click);
}

void TextBoxModel::DeliverDblClick() {
  RaiseEvent(events.DblClick);
}

void TextBoxModel::DeliverMouse(MouseAction action, int16_t button, int16_t shift, float x,
                                float y) {
  switch (action) {
    case MouseAction::Down:
      RaiseEvent(events.MouseDown, button, shift, x, y);
      break;
    case MouseAction::Move:
      RaiseEvent(events.MouseMove, button, shift, x, y);
      break;
    case MouseAction::Up:
      RaiseEvent(events.MouseUp, button, shift, x, y);
      break;
  }
}

}  // namespace gridkit::host
