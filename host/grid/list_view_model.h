#pragma once
// An in-memory list view: column headers and items with sub-items, bold and
// colours; it records which item was selected and scrolled into view.

#include <memory>
#include <string>
#include <vector>

#include "host/grid/list_view.h"

namespace gridkit::host {

struct ListSubItemModel : ListSubItem {
  std::string text;
  bool bold = false;
  uint32_t foreColor = kWindowTextColor;
  bool Bold() const override { return bold; }
  uint32_t ForeColor() const override { return foreColor; }
};

struct ListColumnHeaderModel : ListColumnHeader {
  std::string text;
  int32_t width = 1440;
  int16_t alignment = 0;
  ListColumnHeaderModel(std::string t, int32_t w, int16_t a)
      : text(std::move(t)), width(w), alignment(a) {}
  std::string Text() const override { return text; }
  int32_t Width() const override { return width; }
  int16_t Alignment() const override { return alignment; }
};

class ListViewModel;

class ListItemModel : public ListItem {
 public:
  ListItemModel(ListViewModel& owner, int32_t index, std::string text);

  std::string Text() const override { return text_; }
  std::string SubItems(int32_t k) const override;
  ListSubItem& ListSubItems(int32_t k) override;
  bool Bold() const override { return bold_; }
  uint32_t ForeColor() const override { return foreColor_; }
  void setSelected(bool selected) override;
  void EnsureVisible() override;

  void setText(std::string text) { text_ = std::move(text); }
  void setBold(bool bold) { bold_ = bold; }
  void setForeColor(uint32_t color) { foreColor_ = color; }
  ListSubItemModel& AddSubItem(std::string text);
  bool Selected() const { return selected_; }

 private:
  ListViewModel& owner_;
  int32_t index_;
  std::string text_;
  bool bold_ = false;
  uint32_t foreColor_ = kWindowTextColor;
  bool selected_ = false;
  std::vector<ListSubItemModel> subItems_;
};

class ListViewModel : public ListView {
 public:
  ListViewModel() = default;

  host::ListColumnHeaders& ColumnHeaders() override { return headers_; }
  host::ListItems& ListItems() override { return items_; }
  const StdFont& Font() const override { return font_; }
  void setFont(const StdFont& font) { font_ = font; }

  ListColumnHeaderModel& AddColumn(std::string text, int32_t width = 1440, int16_t alignment = 0);
  ListItemModel& AddItem(std::string text);
  ListItemModel& ItemAt(int32_t index);  // 1-based

  // The items last selected and last scrolled into view (0 when none).
  int32_t SelectedIndex() const { return selectedIndex_; }
  int32_t EnsuredVisibleIndex() const { return visibleIndex_; }

 private:
  friend class ListItemModel;

  class Headers : public host::ListColumnHeaders {
   public:
    int32_t Count() const override { return static_cast<int32_t>(columns.size()); }
    ListColumnHeader& Item(int32_t index) override;
    std::vector<std::unique_ptr<ListColumnHeaderModel>> columns;
  };
  class Items : public host::ListItems {
   public:
    int32_t Count() const override { return static_cast<int32_t>(items.size()); }
    ListItem& Item(int32_t index) override;
    std::vector<std::unique_ptr<ListItemModel>> items;
  };

  StdFont font_{"Arial", 8};
  Headers headers_;
  Items items_;
  int32_t selectedIndex_ = 0;
  int32_t visibleIndex_ = 0;
};

}  // namespace gridkit::host
