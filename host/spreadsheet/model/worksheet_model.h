#pragma once
// The in-process worksheet: typed cell values, each cell's style, whole-
// column styles, merged ranges and fitted column widths. Cells are kept
// densely per row so that every write is constant-time.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/regional/regional_settings.h"
#include "host/spreadsheet/model/cell_style.h"
#include "host/spreadsheet/model/operation_log.h"
#include "host/spreadsheet/typed_input.h"
#include "host/spreadsheet/worksheet.h"

namespace gridkit::host {

// What the sheets of one application share.
struct SheetContext {
  const RegionalSettings* regional = nullptr;
  StyleTable* styles = nullptr;
  OperationLog* log = nullptr;
};

// One cell as a reader sees it.
struct CellView {
  CellKind kind = CellKind::Empty;
  double number = 0;      // number, date serial, or 1/0 for a Boolean
  std::string_view text;  // for text cells
  uint32_t styleId = 0;
  const CellStyle* style = nullptr;
  bool coveredByMerge = false;  // inside a merged range, not its top-left cell
};

class WorksheetModel : public Worksheet {
 public:
  WorksheetModel(std::string name, SheetContext context, std::function<void()> onSelect = {});

  std::string Name() const override { return name_; }
  void Select() override;

  void SetFormulaR1C1(const CellArea& area, std::string_view text) override;
  void SetValue(const CellArea& area, const Variant& value) override;
  void SetNumberFormat(const CellArea& area, std::string_view format) override;
  void SetFontBold(const CellArea& area, bool bold) override;
  void SetFontItalic(const CellArea& area, bool italic) override;
  void SetFontSize(const CellArea& area, double points) override;
  void SetFontName(const CellArea& area, std::string_view name) override;
  void SetFontColor(const CellArea& area, uint32_t oleColor) override;
  void SetHorizontalAlignment(const CellArea& area, int32_t code) override;
  void SetVerticalAlignment(const CellArea& area, int32_t code) override;
  void Merge(const CellArea& area) override;
  void AutoFit(const CellArea& area) override;

  // Reading back.
  CellView Cell(int32_t row, int32_t col) const;
  // The last row and column that hold a stored cell (0 when none).
  int32_t LastRow() const { return static_cast<int32_t>(rows_.size()); }
  int32_t LastColumn() const;
  // Number of stored cells in a row (cells beyond are empty and unstyled).
  int32_t RowLength(int32_t row) const;
  const std::vector<CellArea>& Merges() const { return merges_; }
  // The style of a whole column, and whether one was set.
  uint32_t ColumnStyleId(int32_t col) const;
  const CellStyle& ColumnStyle(int32_t col) const;
  int32_t StyledColumnCount() const { return static_cast<int32_t>(columnStyles_.size()); }
  // A width fitted by AutoFit, in characters.
  std::optional<double> ColumnWidth(int32_t col) const;
  const StyleTable& Styles() const { return *context_.styles; }

 private:
  enum class MergeRole : uint8_t { None, Anchor, Covered };

  // Twelve bytes a cell: a double's bits, or a text's place in texts_,
  // then the style, kind and merge role packed together.
  struct StoredCell {
    uint32_t word[2] = {0, 0};
    uint32_t style : 24 = 0;
    uint32_t kind : 4 = 0;
    uint32_t merge : 2 = 0;

    CellKind Kind() const { return static_cast<CellKind>(kind); }
    void setKind(CellKind k) { kind = static_cast<uint32_t>(k); }
    MergeRole Merge() const { return static_cast<MergeRole>(merge); }
    void setMerge(MergeRole role) { merge = static_cast<uint32_t>(role); }
    double Number() const;
    void setNumber(double number);
  };

  template <class Apply>
  void ForEachCell(const CellArea& area, Apply&& apply);
  void ChangeStyle(const CellArea& area, StyleProperty property, double number,
                   std::string_view text = {});
  StoredCell& At(int32_t row, int32_t col);
  void StoreInput(StoredCell& cell, const TypedInput& input, std::string_view text);
  // Text assigned to FormulaR1C1 or Value, taken as typed input.
  void StoreTypedText(const CellArea& area, std::string_view text, std::string_view property);
  bool Logging() const { return context_.log->Enabled(); }
  void Log(const CellArea& area, std::string_view what);

  std::string name_;
  SheetContext context_;
  std::function<void()> onSelect_;
  std::vector<std::vector<StoredCell>> rows_;
  std::vector<uint32_t> columnStyles_;
  std::vector<std::optional<double>> columnWidths_;
  std::vector<CellArea> merges_;
  std::string texts_;  // every text cell's characters, one after another
};

}  // namespace gridkit::host
