#pragma once
// The host's report-style list view; collections are 1-based.

#include <cstdint>
#include <string>

#include "host/std_font.h"

namespace gridkit::host {

inline constexpr uint32_t kWindowTextColor = 0x80000008;

class ListColumnHeader {
 public:
  virtual ~ListColumnHeader() = default;
  virtual std::string Text() const = 0;
  virtual int32_t Width() const = 0;      // twips
  virtual int16_t Alignment() const = 0;  // 0 left, 1 right, 2 centre
};

class ListColumnHeaders {
 public:
  virtual ~ListColumnHeaders() = default;
  virtual int32_t Count() const = 0;
  virtual ListColumnHeader& Item(int32_t index) = 0;
};

class ListSubItem {
 public:
  virtual ~ListSubItem() = default;
  virtual bool Bold() const = 0;
  virtual uint32_t ForeColor() const = 0;
};

class ListItem {
 public:
  virtual ~ListItem() = default;
  virtual std::string Text() const = 0;
  // The text of column k + 1 (k from 1).
  virtual std::string SubItems(int32_t k) const = 0;
  virtual ListSubItem& ListSubItems(int32_t k) = 0;
  virtual bool Bold() const = 0;
  // The window-text system colour means not coloured.
  virtual uint32_t ForeColor() const = 0;
  virtual void setSelected(bool selected) = 0;
  virtual void EnsureVisible() = 0;
};

class ListItems {
 public:
  virtual ~ListItems() = default;
  virtual int32_t Count() const = 0;
  virtual ListItem& Item(int32_t index) = 0;
};

class ListView {
 public:
  virtual ~ListView() = default;
  virtual ListColumnHeaders& ColumnHeaders() = 0;
  virtual host::ListItems& ListItems() = 0;
  virtual const StdFont& Font() const = 0;
};

}  // namespace gridkit::host
