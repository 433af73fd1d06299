#pragma once
// A worksheet of the spreadsheet application and the range handles through
// which the components set cells, formats, fonts, alignment and merges.

#include <cstdint>
#include <string>
#include <string_view>

#include "host/spreadsheet/cell_area.h"
#include "host/variant.h"

namespace gridkit::host {

class Worksheet;

// Horizontal and vertical alignment constants of the spreadsheet.
namespace xl {
inline constexpr int32_t kGeneral = 1;
inline constexpr int32_t kLeft = -4131;
inline constexpr int32_t kCenter = -4108;
inline constexpr int32_t kRight = -4152;
inline constexpr int32_t kTop = -4160;
inline constexpr int32_t kBottom = -4107;
}  // namespace xl

// The font of a range; each setter applies to every cell of the range.
class RangeFont {
 public:
  RangeFont(Worksheet& sheet, const CellArea& area) : sheet_(&sheet), area_(area) {}
  void setBold(bool bold);
  void setItalic(bool italic);
  void setSize(double points);
  void setName(std::string_view name);
  void setColor(uint32_t oleColor);

 private:
  Worksheet* sheet_;
  CellArea area_;
};

// A range is a handle: a sheet and an area. It is cheap to copy.
class Range {
 public:
  Range(Worksheet& sheet, const CellArea& area) : sheet_(&sheet), area_(area) {}

  const CellArea& Area() const { return area_; }

  // Text taken as typed input.
  void setFormulaR1C1(std::string_view text);
  void setValue(const Variant& value);
  void setNumberFormat(std::string_view format);
  RangeFont Font() const { return RangeFont(*sheet_, area_); }
  void setHorizontalAlignment(int32_t code);
  void setVerticalAlignment(int32_t code);
  // The range shows as one cell holding the top-left cell's content.
  void Merge();
  // The whole columns of the range.
  Range EntireColumn() const;
  // Fits the width of the range's columns to their content.
  void AutoFit();

 private:
  Worksheet* sheet_;
  CellArea area_;
};

class Worksheet {
 public:
  virtual ~Worksheet() = default;

  virtual std::string Name() const = 0;
  virtual void Select() = 0;

  // Raises error 1004 for a reference that names no range.
  host::Range Range(std::string_view reference) {
    return host::Range(*this, ParseReference(reference));
  }
  host::Range Columns(std::string_view reference) {
    return host::Range(*this, ParseReference(reference)).EntireColumn();
  }

  // The range operations, addressed by area.
  virtual void SetFormulaR1C1(const CellArea& area, std::string_view text) = 0;
  virtual void SetValue(const CellArea& area, const Variant& value) = 0;
  virtual void SetNumberFormat(const CellArea& area, std::string_view format) = 0;
  virtual void SetFontBold(const CellArea& area, bool bold) = 0;
  virtual void SetFontItalic(const CellArea& area, bool italic) = 0;
  virtual void SetFontSize(const CellArea& area, double points) = 0;
  virtual void SetFontName(const CellArea& area, std::string_view name) = 0;
  virtual void SetFontColor(const CellArea& area, uint32_t oleColor) = 0;
  virtual void SetHorizontalAlignment(const CellArea& area, int32_t code) = 0;
  virtual void SetVerticalAlignment(const CellArea& area, int32_t code) = 0;
  virtual void Merge(const CellArea& area) = 0;
  virtual void AutoFit(const CellArea& area) = 0;
};

}  // namespace gridkit::host
