#include "host/spreadsheet/worksheet.h"

namespace gridkit::host {

void RangeFont::setBold(bool bold) {
  sheet_->SetFontBold(area_, bold);
}
void RangeFont::setItalic(bool italic) {
  sheet_->SetFontItalic(area_, italic);
}
void RangeFont::setSize(double points) {
  sheet_->SetFontSize(area_, points);
}
void RangeFont::setName(std::string_view name) {
  sheet_->SetFontName(area_, name);
}
void RangeFont::setColor(uint32_t oleColor) {
  sheet_->SetFontColor(area_, oleColor);
}

void Range::setFormulaR1C1(std::string_view text) {
  sheet_->SetFormulaR1C1(area_, text);
}
void Range::setValue(const Variant& value) {
  sheet_->SetValue(area_, value);
}
void Range::setNumberFormat(std::string_view format) {
  sheet_->SetNumberFormat(area_, format);
}
void Range::setHorizontalAlignment(int32_t code) {
  sheet_->SetHorizontalAlignment(area_, code);
}
void Range::setVerticalAlignment(int32_t code) {
  sheet_->SetVerticalAlignment(area_, code);
}
void Range::Merge() {
  sheet_->Merge(area_);
}
void Range::AutoFit() {
  sheet_->AutoFit(area_);
}

Range Range::EntireColumn() const {
  return Range(*sheet_, CellArea::Columns(area_.firstCol, area_.lastCol));
}

}  // namespace gridkit::host
