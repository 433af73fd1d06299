#include "apps/gridkit/grid_json_loader.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>
#include <stdexcept>
#include <string_view>

#include <nlohmann/json.hpp>

#include "apps/gridkit/cli_errors.h"
#include "apps/gridkit/input_file.h"

namespace gridkit::cli {

namespace {

using nlohmann::json;

constexpr std::array<std::string_view, 11> kGridKeys{
    "rows",     "cols",     "fixedRows", "cells", "colWidth", "colAlignment",
    "mergeRow", "mergeCol", "cellStyle", "font",  "foreColor"};
constexpr std::array<std::string_view, 6> kCellStyleKeys{"row",    "col",       "bold",
                                                         "italic", "foreColor", "backColor"};
constexpr std::array<std::string_view, 2> kFontKeys{"name", "size"};

std::string Indexed(const std::string& where, size_t index) {
  return where + "[" + std::to_string(index) + "]";
}

// Reads one grid description, naming the file and the place of the first
// thing that is wrong.
class GridJsonReader {
 public:
  explicit GridJsonReader(std::string path) : path_(std::move(path)) {}

  host::FlexGridModel Read(const json& doc) const {
    if (!doc.is_object()) Fail("the grid description must be a JSON object");
    CheckKeys(doc, kGridKeys, "the grid description");

    const json* cells = Find(doc, "cells");
    if (cells != nullptr && !cells->is_array()) Fail("cells must be an array of rows");
    size_t cellRows = 0;
    size_t cellCols = 0;
    if (cells != nullptr) {
      cellRows = cells->size();
      for (size_t r = 0; r < cells->size(); ++r) {
        const json& row = (*cells)[r];
        if (!row.is_array()) Fail(Indexed("cells", r) + " must be an array of texts");
        cellCols = std::max(cellCols, row.size());
      }
    }

    const int32_t rows = Count(doc, "rows", cellRows);
    const int32_t cols = Count(doc, "cols", cellCols);
    if (cellRows > static_cast<size_t>(rows)) {
      Fail("cells has " + std::to_string(cellRows) + " rows, more than rows (" +
           std::to_string(rows) + ")");
    }
    if (cellCols > static_cast<size_t>(cols)) {
      Fail("cells has a row of " + std::to_string(cellCols) + " texts, more than cols (" +
           std::to_string(cols) + ")");
    }
    const int32_t fixedRows = Count(doc, "fixedRows", std::min<size_t>(1, rows));
    if (fixedRows > rows) {
      Fail("fixedRows (" + std::to_string(fixedRows) + ") is more than rows (" +
           std::to_string(rows) + ")");
    }

    host::FlexGridModel grid = MakeGrid(rows, cols, fixedRows);
    if (cells != nullptr) ReadCells(*cells, grid);
    ReadColumnInts(doc, "colWidth", cols, 0, std::numeric_limits<int32_t>::max(),
                   [&](int32_t c, int32_t v) { grid.setColWidth(c, v); });
    ReadColumnInts(doc, "colAlignment", cols, 0, 9,
                   [&](int32_t c, int32_t v) { grid.setColAlignment(c, static_cast<int16_t>(v)); });
    ReadFlags(doc, "mergeRow", rows, "rows", [&](int32_t r, bool v) { grid.setMergeRow(r, v); });
    ReadFlags(doc, "mergeCol", cols, "cols", [&](int32_t c, bool v) { grid.setMergeCol(c, v); });
    if (const json* styles = Find(doc, "cellStyle")) ReadCellStyles(*styles, grid);
    if (const json* font = Find(doc, "font")) ReadFont(*font, grid);
    if (const json* color = Find(doc, "foreColor")) grid.setForeColor(Color(*color, "foreColor"));
    return grid;
  }

  [[noreturn]] void Fail(const std::string& message) const {
    throw InputError(path_ + ": " + message);
  }

 private:
  static const json* Find(const json& object, std::string_view key) {
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
  }

  // A misspelt key would otherwise be ignored without a word.
  template <size_t N>
  void CheckKeys(const json& object, const std::array<std::string_view, N>& known,
                 const std::string& where) const {
    for (const auto& item : object.items()) {
      if (std::find(known.begin(), known.end(), item.key()) == known.end()) {
        Fail("unknown key \"" + item.key() + "\" in " + where);
      }
    }
  }

  int32_t Integer(const json& value, const std::string& where, int64_t low, int64_t high) const {
    const std::string range =
        "an integer from " + std::to_string(low) + " to " + std::to_string(high);
    if (!value.is_number_integer()) Fail(where + " must be " + range);
    if (value.is_number_unsigned() ? value.get<uint64_t>() > static_cast<uint64_t>(high)
                                   : value.get<int64_t>() < low || value.get<int64_t>() > high) {
      Fail(where + " must be " + range + ", not " + value.dump());
    }
    return static_cast<int32_t>(value.get<int64_t>());
  }

  int32_t Count(const json& doc, std::string_view key, size_t fallback) const {
    const json* value = Find(doc, key);
    if (value == nullptr) return static_cast<int32_t>(fallback);
    return NonNegative(*value, std::string(key));
  }

  int32_t NonNegative(const json& value, const std::string& where) const {
    const bool fits = value.is_number_unsigned()
                          ? value.get<uint64_t>() <= std::numeric_limits<int32_t>::max()
                          : value.is_number_integer() && value.get<int64_t>() >= 0;
    if (!fits) Fail(where + " must be a non-negative integer, not " + value.dump());
    return static_cast<int32_t>(value.get<int64_t>());
  }

  uint32_t Color(const json& value, const std::string& where) const {
    if (!value.is_number_unsigned() || value.get<uint64_t>() > 0xFFFFFFFFu) {
      Fail(where + " must be a colour, an integer from 0 to 4294967295 (0xBBGGRR), not " +
           value.dump());
    }
    return static_cast<uint32_t>(value.get<uint64_t>());
  }

  bool Flag(const json& value, const std::string& where) const {
    if (!value.is_boolean()) Fail(where + " must be true or false, not " + value.dump());
    return value.get<bool>();
  }

  host::FlexGridModel MakeGrid(int32_t rows, int32_t cols, int32_t fixedRows) const {
    try {
      return host::FlexGridModel(rows, cols, fixedRows);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    Fail("a grid of " + std::to_string(rows) + " rows by " + std::to_string(cols) +
         " columns is too large");
  }

  void ReadCells(const json& cells, host::FlexGridModel& grid) const {
    for (size_t r = 0; r < cells.size(); ++r) {
      const json& row = cells[r];
      for (size_t c = 0; c < row.size(); ++c) {
        const json& text = row[c];
        if (!text.is_string()) {
          Fail(Indexed(Indexed("cells", r), c) + " must be a text in quotes, not " + text.dump());
        }
        grid.CellAt(static_cast<int32_t>(r), static_cast<int32_t>(c)).text =
            text.get<std::string>();
      }
    }
  }

  template <class Set>
  void ReadColumnInts(const json& doc, std::string_view key, int32_t cols, int32_t low,
                      int32_t high, Set set) const {
    const json* values = Find(doc, key);
    if (values == nullptr) return;
    if (!values->is_array())
      Fail(std::string(key) + " must be an array with one integer per column");
    if (values->size() > static_cast<size_t>(cols)) {
      Fail(std::string(key) + " has " + std::to_string(values->size()) + " entries for " +
           std::to_string(cols) + " columns");
    }
    for (size_t c = 0; c < values->size(); ++c) {
      set(static_cast<int32_t>(c), Integer((*values)[c], Indexed(std::string(key), c), low, high));
    }
  }

  template <class Set>
  void ReadFlags(const json& doc, std::string_view key, int32_t count, std::string_view countKey,
                 Set set) const {
    const json* values = Find(doc, key);
    if (values == nullptr) return;
    if (!values->is_array()) Fail(std::string(key) + " must be an array of true and false");
    if (values->size() > static_cast<size_t>(count)) {
      Fail(std::string(key) + " has " + std::to_string(values->size()) + " entries, more than " +
           std::string(countKey) + " (" + std::to_string(count) + ")");
    }
    for (size_t i = 0; i < values->size(); ++i) {
      set(static_cast<int32_t>(i), Flag((*values)[i], Indexed(std::string(key), i)));
    }
  }

  void ReadCellStyles(const json& styles, host::FlexGridModel& grid) const {
    if (!styles.is_array()) Fail("cellStyle must be an array of cell styles");
    for (size_t i = 0; i < styles.size(); ++i) {
      const json& style = styles[i];
      const std::string where = Indexed("cellStyle", i);
      if (!style.is_object()) Fail(where + " must be an object");
      CheckKeys(style, kCellStyleKeys, where);
      const json* row = Find(style, "row");
      const json* col = Find(style, "col");
      if (row == nullptr || col == nullptr) Fail(where + " needs both row and col");
      const int32_t r = NonNegative(*row, where + ".row");
      const int32_t c = NonNegative(*col, where + ".col");
      if (r >= grid.Rows() || c >= grid.Cols()) {
        Fail(where + " styles cell (" + std::to_string(r) + ", " + std::to_string(c) +
             "), outside the " + std::to_string(grid.Rows()) + " x " + std::to_string(grid.Cols()) +
             " grid");
      }
      host::FlexCell& cell = grid.CellAt(r, c);
      if (const json* v = Find(style, "bold")) cell.bold = Flag(*v, where + ".bold");
      if (const json* v = Find(style, "italic")) cell.italic = Flag(*v, where + ".italic");
      if (const json* v = Find(style, "foreColor"))
        cell.foreColor = Color(*v, where + ".foreColor");
      if (const json* v = Find(style, "backColor"))
        cell.backColor = Color(*v, where + ".backColor");
    }
  }

  void ReadFont(const json& font, host::FlexGridModel& grid) const {
    if (!font.is_object()) Fail("font must be an object with name and size");
    CheckKeys(font, kFontKeys, "font");
    host::StdFont result = grid.Font();
    if (const json* name = Find(font, "name")) {
      if (!name->is_string() || name->get<std::string>().empty()) {
        Fail("font.name must be a font name in quotes, not " + name->dump());
      }
      result.Name = name->get<std::string>();
    }
    if (const json* size = Find(font, "size")) {
      if (!size->is_number() || !(size->get<double>() > 0) || size->get<double>() > 409) {
        Fail("font.size must be a number of points above 0 and up to 409, not " + size->dump());
      }
      result.Size = size->get<double>();
    }
    grid.setFont(result);
  }

  std::string path_;
};

// The parser's own message, without its "[json.exception...] " prefix.
std::string ParseMessage(const json::parse_error& error) {
  std::string_view message = error.what();
  if (const size_t end = message.find("] "); message.starts_with("[") && end != message.npos) {
    message.remove_prefix(end + 2);
  }
  return std::string(message);
}

}  // namespace

host::FlexGridModel LoadGridJson(const std::string& path) {
  std::ifstream input = OpenInputFile(path);
  const GridJsonReader reader(path);
  json doc;
  try {
    doc = json::parse(input);
  } catch (const json::parse_error& error) {
    CheckReadCompleted(input, path);
    reader.Fail("not valid JSON: " + ParseMessage(error));
  }
  return reader.Read(doc);
}

}  // namespace gridkit::cli
