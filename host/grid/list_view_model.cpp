#include "host/grid/list_view_model.h"

#include "host/error.h"

namespace gridkit::host {

ListItemModel::ListItemModel(ListViewModel& owner, int32_t index, std::string text)
    : owner_(owner), index_(index), text_(std::move(text)) {}

std::string ListItemModel::SubItems(int32_t k) const {
  if (k < 1 || k >= owner_.headers_.Count()) throw Error::Standard(err::kInvalidPropertyValue);
  return static_cast<size_t>(k) <= subItems_.size() ? subItems_[static_cast<size_t>(k) - 1].text
                                                    : "";
}

ListSubItem& ListItemModel::ListSubItems(int32_t k) {
  if (k < 1 || static_cast<size_t>(k) > subItems_.size()) {
    throw Error(35600, "Index out of bounds");
  }
  return subItems_[static_cast<size_t>(k) - 1];
}

ListSubItemModel& ListItemModel::AddSubItem(std::string text) {
  subItems_.emplace_back();
  subItems_.back().text = std::move(text);
  return subItems_.back();
}

void ListItemModel::setSelected(bool selected) {
  selected_ = selected;
  if (!selected) return;
  // A report-style list view selects one item at a time.
  for (auto& item : owner_.items_.items) {
    if (item.get() != this) item->selected_ = false;
  }
  owner_.selectedIndex_ = index_;
}

void ListItemModel::EnsureVisible() {
  owner_.visibleIndex_ = index_;
}

ListColumnHeaderModel& ListViewModel::AddColumn(std::string text, int32_t width,
                                                int16_t alignment) {
  headers_.columns.push_back(
      std::make_unique<ListColumnHeaderModel>(std::move(text), width, alignment));
  return *headers_.columns.back();
}

ListItemModel& ListViewModel::AddItem(std::string text) {
  const auto index = items_.Count() + 1;
  items_.items.push_back(std::make_unique<ListItemModel>(*this, index, std::move(text)));
  return *items_.items.back();
}

ListItemModel& ListViewModel::ItemAt(int32_t index) {
  return static_cast<ListItemModel&>(items_.Item(index));
}

ListColumnHeader& ListViewModel::Headers::Item(int32_t index) {
  if (index < 1 || index > Count()) throw Error(35600, "Index out of bounds");
  return *columns[static_cast<size_t>(index) - 1];
}

ListItem& ListViewModel::Items::Item(int32_t index) {
  if (index < 1 || index > Count()) throw Error(35600, "Index out of bounds");
  return *items[static_cast<size_t>(index) - 1];
}

}  // namespace gridkit::host
