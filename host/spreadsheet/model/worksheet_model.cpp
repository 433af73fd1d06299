#include "host/spreadsheet/model/worksheet_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/error.h"
#include "host/text/number_text.h"
#include "host/text/utf8.h"

namespace gridkit::host {

namespace {

constexpr size_t kMaxCellCharacters = 32767;

[[noreturn]] void UnableToSet(std::string_view property, std::string_view object) {
  throw Error(err::kApplicationDefined, "Unable to set the " + std::string(property) +
                                            " property of the " + std::string(object) + " class");
}

bool IsHorizontalCode(int32_t code) {
  switch (code) {
    case xl::kGeneral:
    case xl::kLeft:
    case xl::kCenter:
    case xl::kRight:
    case 5:      // fill
    case -4130:  // justify
    case 7:      // centre across selection
    case -4117:  // distributed
      return true;
    default:
      return false;
  }
}

bool IsVerticalCode(int32_t code) {
  switch (code) {
    case xl::kTop:
    case xl::kCenter:
    case xl::kBottom:
    case -4130:  // justify
    case -4117:  // distributed
      return true;
    default:
      return false;
  }
}

}  // namespace

WorksheetModel::WorksheetModel(std::string name, SheetContext context,
                               std::function<void()> onSelect)
    : name_(std::move(name)), context_(context), onSelect_(std::move(onSelect)) {}

double WorksheetModel::StoredCell::Number() const {
  double number;
  std::memcpy(&number, word, sizeof number);
  return number;
}

void WorksheetModel::StoredCell::setNumber(double number) {
  std::memcpy(word, &number, sizeof number);
}

void WorksheetModel::Select() {
  if (context_.log->Enabled()) context_.log->Add("Sheets(" + name_ + ").Select");
  if (onSelect_) onSelect_();
}

WorksheetModel::StoredCell& WorksheetModel::At(int32_t row, int32_t col) {
  if (static_cast<size_t>(row) > rows_.size()) rows_.resize(static_cast<size_t>(row));
  auto& cells = rows_[static_cast<size_t>(row) - 1];
  if (static_cast<size_t>(col) > cells.size()) {
    const size_t first = cells.size();
    // Rows of a table are mostly as wide as the one above: take its width at
    // once rather than doubling up to it.
    if (cells.capacity() < static_cast<size_t>(col) && row > 1) {
      const size_t above = rows_[static_cast<size_t>(row) - 2].size();
      cells.reserve(std::max(static_cast<size_t>(col), above));
    }
    cells.resize(static_cast<size_t>(col));
    // A cell that comes into being takes its column's style.
    for (size_t c = first; c < cells.size() && c < columnStyles_.size(); ++c) {
      cells[c].style = columnStyles_[c];
    }
  }
  return cells[static_cast<size_t>(col) - 1];
}

template <class Apply>
void WorksheetModel::ForEachCell(const CellArea& area, Apply&& apply) {
  if (!area.wholeColumns) {
    for (int32_t r = area.firstRow; r <= area.lastRow; ++r) {
      for (int32_t c = area.firstCol; c <= area.lastCol; ++c)
        apply(At(r, c));
    }
    return;
  }
  // Whole columns: the cells that exist; the others take the column style
  // when they come into being.
  for (auto& cells : rows_) {
    const auto last = std::min(static_cast<size_t>(area.lastCol), cells.size());
    for (size_t c = static_cast<size_t>(area.firstCol); c <= last; ++c)
      apply(cells[c - 1]);
  }
}

void WorksheetModel::ChangeStyle(const CellArea& area, StyleProperty property, double number,
                                 std::string_view text) {
  StyleTable& styles = *context_.styles;
  if (area.wholeColumns) {
    if (columnStyles_.size() < static_cast<size_t>(area.lastCol)) {
      columnStyles_.resize(static_cast<size_t>(area.lastCol), 0);
    }
    for (int32_t c = area.firstCol; c <= area.lastCol; ++c) {
      auto& id = columnStyles_[static_cast<size_t>(c) - 1];
      id = styles.With(id, property, number, text);
    }
  }
  ForEachCell(area, [&](StoredCell& cell) {
    cell.style = styles.With(cell.style, property, number, text);
  });
}

void WorksheetModel::Log(const CellArea& area, std::string_view what) {
  if (context_.log->Enabled()) context_.log->Add(ReferenceText(area) + "." + std::string(what));
}

void WorksheetModel::StoreInput(StoredCell& cell, const TypedInput& input, std::string_view text) {
  if (cell.Merge() == MergeRole::Covered) return;  // a merged range holds only its top-left cell
  cell.setKind(input.kind);
  if (input.kind == CellKind::Text) {
    if (texts_.size() + text.size() > UINT32_MAX) throw Error::Standard(err::kOutOfMemory);
    cell.word[0] = static_cast<uint32_t>(texts_.size());
    cell.word[1] = static_cast<uint32_t>(text.size());
    texts_.append(text);
  } else {
    cell.setNumber(input.number);
  }
  if (!input.impliedFormat.empty() && context_.styles->Get(cell.style).numberFormat == "General") {
    cell.style =
        context_.styles->With(cell.style, StyleProperty::NumberFormat, 0, input.impliedFormat);
  }
}

void WorksheetModel::StoreTypedText(const CellArea& area, std::string_view text,
                                    std::string_view property) {
  if (Logging()) Log(area, std::string(property) + " = " + std::string(text));
  if (area.wholeColumns) UnableToSet(property, "Range");
  if (text.size() > kMaxCellCharacters && CharCount(text) > kMaxCellCharacters) {
    UnableToSet(property, "Range");
  }
  const TypedInput input = InterpretTypedInput(text, *context_.regional);
  ForEachCell(area, [&](StoredCell& cell) { StoreInput(cell, input, text); });
}

void WorksheetModel::SetFormulaR1C1(const CellArea& area, std::string_view text) {
  StoreTypedText(area, text, "FormulaR1C1");
}

void WorksheetModel::SetValue(const CellArea& area, const Variant& value) {
  if (value.IsText()) {
    StoreTypedText(area, value.As<std::string>(), "Value");
    return;
  }
  if (value.IsObject()) throw Error::Standard(err::kTypeMismatch);
  if (Logging()) Log(area, "Value = " + (value.IsNull() ? std::string("Null") : value.ToText()));
  if (area.wholeColumns) UnableToSet("Value", "Range");
  TypedInput input;
  if (value.IsEmpty() || value.IsNull()) {
    input.kind = CellKind::Empty;
  } else if (value.IsBool()) {
    input.kind = CellKind::Boolean;
    input.number = value.As<bool>() ? 1 : 0;
  } else if (value.IsDate()) {
    input.kind = CellKind::Date;
    input.number = value.As<Date>().serial;
    input.impliedFormat =
        ShortDateFormat(*context_.regional, input.number != std::floor(input.number));
  } else {
    input.kind = CellKind::Number;
    input.number = value.ToDouble();
  }
  ForEachCell(area, [&](StoredCell& cell) { StoreInput(cell, input, {}); });
}

void WorksheetModel::SetNumberFormat(const CellArea& area, std::string_view format) {
  if (Logging()) Log(area, "NumberFormat = " + std::string(format));
  ChangeStyle(area, StyleProperty::NumberFormat, 0, format.empty() ? "General" : format);
}

void WorksheetModel::SetFontBold(const CellArea& area, bool bold) {
  if (Logging()) Log(area, bold ? "Font.Bold = True" : "Font.Bold = False");
  ChangeStyle(area, StyleProperty::Bold, bold ? 1 : 0);
}

void WorksheetModel::SetFontItalic(const CellArea& area, bool italic) {
  if (Logging()) Log(area, italic ? "Font.Italic = True" : "Font.Italic = False");
  ChangeStyle(area, StyleProperty::Italic, italic ? 1 : 0);
}

void WorksheetModel::SetFontSize(const CellArea& area, double points) {
  if (Logging()) Log(area, "Font.Size = " + PlainNumberText(points));
  if (!(points >= 1 && points <= 409)) UnableToSet("Size", "Font");
  ChangeStyle(area, StyleProperty::FontSize, points);
}

void WorksheetModel::SetFontName(const CellArea& area, std::string_view name) {
  if (Logging()) Log(area, "Font.Name = " + std::string(name));
  if (name.empty()) UnableToSet("Name", "Font");
  ChangeStyle(area, StyleProperty::FontName, 0, name);
}

void WorksheetModel::SetFontColor(const CellArea& area, uint32_t oleColor) {
  if (Logging()) Log(area, "Font.Color = " + std::to_string(oleColor));
  ChangeStyle(area, StyleProperty::FontColor, oleColor);
}

void WorksheetModel::SetHorizontalAlignment(const CellArea& area, int32_t code) {
  if (Logging()) Log(area, "HorizontalAlignment = " + std::to_string(code));
  if (!IsHorizontalCode(code)) UnableToSet("HorizontalAlignment", "Range");
  ChangeStyle(area, StyleProperty::HorizontalAlignment, code);
}

void WorksheetModel::SetVerticalAlignment(const CellArea& area, int32_t code) {
  if (Logging()) Log(area, "VerticalAlignment = " + std::to_string(code));
  if (!IsVerticalCode(code)) UnableToSet("VerticalAlignment", "Range");
  ChangeStyle(area, StyleProperty::VerticalAlignment, code);
}

void WorksheetModel::Merge(const CellArea& requested) {
  if (Logging()) Log(requested, "Merge");
  if (requested.wholeColumns) {
    throw Error(err::kApplicationDefined, "Merge of whole columns is not supported");
  }
  if (requested.IsSingleCell()) return;  // nothing to merge

  // A merge that meets merged ranges takes them in, as the spreadsheet does.
  CellArea area = requested;
  for (bool grown = true; grown;) {
    grown = false;
    for (auto it = merges_.begin(); it != merges_.end();) {
      if (!it->Overlaps(area)) {
        ++it;
        continue;
      }
      area.firstRow = std::min(area.firstRow, it->firstRow);
      area.firstCol = std::min(area.firstCol, it->firstCol);
      area.lastRow = std::max(area.lastRow, it->lastRow);
      area.lastCol = std::max(area.lastCol, it->lastCol);
      for (int32_t r = it->firstRow; r <= it->lastRow; ++r) {
        for (int32_t c = it->firstCol; c <= it->lastCol; ++c)
          At(r, c).setMerge(MergeRole::None);
      }
      it = merges_.erase(it);
      grown = true;
    }
  }
  for (int32_t r = area.firstRow; r <= area.lastRow; ++r) {
    for (int32_t c = area.firstCol; c <= area.lastCol; ++c) {
      StoredCell& cell = At(r, c);
      if (r == area.firstRow && c == area.firstCol) {
        cell.setMerge(MergeRole::Anchor);
        continue;
      }
      cell.setMerge(MergeRole::Covered);
      cell.setKind(CellKind::Empty);
    }
  }
  merges_.push_back(area);
}

void WorksheetModel::AutoFit(const CellArea& area) {
  if (Logging()) Log(area, "EntireColumn.AutoFit");
  if (columnWidths_.size() < static_cast<size_t>(area.lastCol)) {
    columnWidths_.resize(static_cast<size_t>(area.lastCol));
  }
  for (int32_t c = area.firstCol; c <= area.lastCol; ++c) {
    size_t widest = 0;
    for (int32_t r = 1; r <= LastRow(); ++r) {
      const CellView cell = Cell(r, c);
      if (cell.kind == CellKind::Text) {
        widest = std::max(widest, CharCount(cell.text));
      } else if (cell.kind != CellKind::Empty) {
        widest = std::max(widest, PlainNumberText(cell.number).size());
      }
    }
    // An empty column keeps the standard width.
    if (widest == 0) continue;
    columnWidths_[static_cast<size_t>(c) - 1] = static_cast<double>(widest) + 1.0;
  }
}

CellView WorksheetModel::Cell(int32_t row, int32_t col) const {
  CellView view;
  const StoredCell* stored = nullptr;
  if (row >= 1 && static_cast<size_t>(row) <= rows_.size()) {
    const auto& cells = rows_[static_cast<size_t>(row) - 1];
    if (col >= 1 && static_cast<size_t>(col) <= cells.size()) {
      stored = &cells[static_cast<size_t>(col) - 1];
    }
  }
  if (stored == nullptr) {
    view.styleId = ColumnStyleId(col);
  } else {
    view.kind = stored->Kind();
    view.styleId = stored->style;
    view.coveredByMerge = stored->Merge() == MergeRole::Covered;
    if (view.kind == CellKind::Text) {
      view.text = std::string_view(texts_).substr(stored->word[0], stored->word[1]);
    } else if (view.kind != CellKind::Empty) {
      view.number = stored->Number();
    }
  }
  view.style = &context_.styles->Get(view.styleId);
  return view;
}

int32_t WorksheetModel::LastColumn() const {
  size_t last = 0;
  for (const auto& cells : rows_)
    last = std::max(last, cells.size());
  return static_cast<int32_t>(last);
}

int32_t WorksheetModel::RowLength(int32_t row) const {
  if (row < 1 || static_cast<size_t>(row) > rows_.size()) return 0;
  return static_cast<int32_t>(rows_[static_cast<size_t>(row) - 1].size());
}

uint32_t WorksheetModel::ColumnStyleId(int32_t col) const {
  if (col < 1 || static_cast<size_t>(col) > columnStyles_.size()) return 0;
  return columnStyles_[static_cast<size_t>(col) - 1];
}

const CellStyle& WorksheetModel::ColumnStyle(int32_t col) const {
  return context_.styles->Get(ColumnStyleId(col));
}

std::optional<double> WorksheetModel::ColumnWidth(int32_t col) const {
  if (col < 1 || static_cast<size_t>(col) > columnWidths_.size()) return std::nullopt;
  return columnWidths_[static_cast<size_t>(col) - 1];
}

}  // namespace gridkit::host
