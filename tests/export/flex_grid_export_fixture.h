#pragma once
// A flexible grid built from a table of texts, exported through ExcelPosting
// into the in-memory spreadsheet, with readers for what the user then sees.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "export/excel_posting.h"
#include "host/grid/flex_grid_model.h"
#include "host/message/message_box_model.h"
#include "host/spreadsheet/cell_area.h"
#include "host/spreadsheet/model/spreadsheet_model_factory.h"

namespace gridkit::sheet::testing {

using Table = std::vector<std::vector<std::string>>;

class FlexGridExportTest : public ::testing::Test {
 protected:
  // The grid: rows of texts, the first fixedRows of them fixed; every
  // column visible and of general alignment.
  host::FlexGridModel& Grid(const Table& rows, int32_t fixedRows = 1) {
    const auto cols = rows.empty() ? 0 : static_cast<int32_t>(rows.front().size());
    grid_ = host::FlexGridModel(static_cast<int32_t>(rows.size()), cols, fixedRows);
    for (size_t r = 0; r < rows.size(); ++r) {
      for (size_t c = 0; c < rows[r].size(); ++c) {
        grid_.setTextMatrix(static_cast<int32_t>(r), static_cast<int32_t>(c), rows[r][c]);
      }
    }
    return grid_;
  }

  // The regional settings of both the export and the spreadsheet.
  void UseRegional(const host::RegionalSettings& regional) {
    regional_ = regional;
    spreadsheets_ = MakeFactory(regional);
  }

  void Export(const std::string& head1 = {}, const std::string& head2 = {}) {
    ExcelPosting posting(spreadsheets_->Factory(), messages_, regional_);
    posting.setArgFG(&grid_);
    posting.FlexGridToExcel(head1, head2);
  }

  host::SpreadsheetModelFactory& Spreadsheets() { return *spreadsheets_; }
  host::ApplicationModel& App() { return spreadsheets_->Last(); }
  host::WorksheetModel& Sheet() { return App().Book(1).Sheet(1); }

  host::CellView Cell(std::string_view reference) {
    const host::CellArea area = host::ParseReference(reference);
    return Sheet().Cell(area.firstRow, area.firstCol);
  }
  std::string Text(std::string_view reference) { return std::string(Cell(reference).text); }
  const host::CellStyle& Style(std::string_view reference) { return *Cell(reference).style; }

  std::vector<std::string> Merges() {
    std::vector<std::string> merges;
    for (const host::CellArea& area : Sheet().Merges()) {
      merges.push_back(host::ReferenceText(area));
    }
    return merges;
  }

  // The operation log lines that contain the part.
  std::vector<std::string> LogWith(std::string_view part) {
    std::vector<std::string> lines;
    for (const std::string& line : App().Log()) {
      if (line.find(part) != std::string::npos) lines.push_back(line);
    }
    return lines;
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const host::ShownMessage& box : messages_.Shown())
      texts.push_back(box.text);
    return texts;
  }

  host::FlexGridModel grid_;
  host::MessageBoxModel messages_;

 private:
  static std::unique_ptr<host::SpreadsheetModelFactory> MakeFactory(
      const host::RegionalSettings& regional) {
    return std::make_unique<host::SpreadsheetModelFactory>(
        host::SpreadsheetModelOptions{regional, /*logOperations=*/true});
  }

  host::RegionalSettings regional_ = host::RegionalSettings::Default();
  std::unique_ptr<host::SpreadsheetModelFactory> spreadsheets_ = MakeFactory(regional_);
};

}  // namespace gridkit::sheet::testing
