#pragma once
// The printing system as a report job drives it: the installed printers,
// the current printer with its drawing surface, and its document.
//
// With scale mode 4 every length is in characters: 1/12 inch across and 1/6
// inch down. Text is drawn with its left end at CurrentX and its top at
// CurrentY, in the font last assigned. The document begins with the first
// text or rule drawn.

#include <cstdint>
#include <string>
#include <string_view>

#include "host/std_font.h"

namespace gridkit::host {

namespace printer {
inline constexpr int16_t kScaleCharacters = 4;
inline constexpr int16_t kPortrait = 1;
inline constexpr int16_t kLandscape = 2;
}  // namespace printer

class Printer {
 public:
  virtual ~Printer() = default;

  virtual std::string DeviceName() const = 0;

  virtual void setScaleMode(int16_t mode) = 0;
  // A drawing setting for filled shapes; reports draw none, so it changes
  // neither text nor rules.
  virtual void setFillStyle(int16_t style) = 0;
  // The font is copied: later changes to the caller's font need a new
  // assignment.
  virtual void setFont(const StdFont& font) = 0;
  virtual double TextWidth(std::string_view text) const = 0;
  virtual double TextHeight(std::string_view text) const = 0;
  // The printable area, after any orientation change.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual int16_t Orientation() const = 0;
  // Takes effect for the next page begun.
  virtual void setOrientation(int16_t orientation) = 0;
  virtual void setCurrentX(double x) = 0;
  virtual void setCurrentY(double y) = 0;

  virtual void Print(std::string_view text) = 0;
  // A thin black rule.
  virtual void Line(double x1, double y1, double x2, double y2) = 0;
  // The number of the page being printed, from 1.
  virtual int16_t Page() const = 0;
  virtual void NewPage() = 0;
  // Releases the document to the printer; nothing happens without one.
  virtual void EndDoc() = 0;
  // Abandons an open document; nothing happens without one, and a document
  // already ended stays as it is.
  virtual void KillDoc() = 0;
};

// The installed printers, in the system's order, and the process's current
// printer.
class Printers {
 public:
  virtual ~Printers() = default;

  virtual int32_t Count() const = 0;
  // Raises "Subscript out of range" outside 0 to Count - 1.
  virtual Printer& Item(int32_t index) = 0;
  virtual void SetCurrent(Printer& printer) = 0;
  // Raises "Object variable or With block variable not set" when none has
  // been made current.
  virtual Printer& Current() = 0;
};

}  // namespace gridkit::host
