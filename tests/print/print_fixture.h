#pragma once
// A Caldrino with a recording printer, a small flexible grid and a host
// form whose "W" is 100 twips, so that a column of 1000 twips is 10
// characters. At the default 8 points a character is 0.8 wide and a line 1
// high; the page is 96 x 60 characters, so the printable width is 92.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/grid/flex_grid_model.h"
#include "host/message/message_box_model.h"
#include "host/printer/host_form_model.h"
#include "host/printer/printer_model.h"
#include "host/printer/printers_model.h"
#include "host/regional/clock.h"
#include "host/regional/date_serial.h"
#include "print/caldrino.h"

namespace gridkit::print::test {

class PrintFixture : public ::testing::Test {
 protected:
  PrintFixture() { UsePrinter(96, 60); }

  // Replaces the printers with one "Office" printer of the size given.
  host::PrinterModel& UsePrinter(double width, double height) {
    printers = std::make_unique<host::PrintersModel>();
    office = static_cast<host::PrinterModel*>(
        &printers->Add(std::make_unique<host::PrinterModel>("Office", width, height)));
    caldrino = std::make_unique<Caldrino>(*printers, messages, clock);
    caldrino->setActFrm(&form);
    caldrino->setFgrid(&grid);
    return *office;
  }

  // A grid of columns with these widths (twips) and one fixed row.
  void MakeGrid(int32_t bodyRows, const std::vector<int32_t>& widths, int32_t fixedRows = 1) {
    grid =
        host::FlexGridModel(bodyRows + fixedRows, static_cast<int32_t>(widths.size()), fixedRows);
    for (size_t c = 0; c < widths.size(); ++c) {
      grid.setColWidth(static_cast<int32_t>(c), widths[c]);
      grid.setColAlignment(static_cast<int32_t>(c), 1);  // left centre
    }
  }

  void FillRow(int32_t row, const std::vector<std::string>& texts) {
    for (size_t c = 0; c < texts.size(); ++c) {
      grid.setTextMatrix(row, static_cast<int32_t>(c), texts[c]);
    }
  }

  std::string Print() { return caldrino->PrintFromFlexGrid("Office", options); }

  const host::PrintedDocument& Document() const {
    EXPECT_EQ(office->Documents().size(), 1u);
    return office->Documents().back();
  }
  const host::PrintedPage& Page(size_t index) const { return Document().pages.at(index); }

  // The printed text on a page, failing when it is not there.
  const host::PrintedText* Find(const std::string& text, size_t page = 0) const {
    for (const host::PrintedText& t : Page(page).texts) {
      if (t.text == text) return &t;
    }
    ADD_FAILURE() << "no \"" << text << "\" on page " << page + 1;
    return nullptr;
  }

  std::vector<std::string> Texts(size_t page = 0) const {
    std::vector<std::string> texts;
    for (const host::PrintedText& t : Page(page).texts)
      texts.push_back(t.text);
    return texts;
  }

  // The horizontal rules of a page, by their height.
  std::vector<double> RuleHeights(size_t page = 0) const {
    std::vector<double> heights;
    for (const host::PrintedRule& r : Page(page).rules) {
      if (r.y1 == r.y2) heights.push_back(r.y1);
    }
    return heights;
  }

  host::MessageBoxModel messages;
  host::FixedClock clock{host::DateSerial(2006, 9, 7) + host::TimeSerial(15, 4, 0)};
  host::HostFormModel form{100};
  host::FlexGridModel grid;
  ReportOptions options;
  std::unique_ptr<host::PrintersModel> printers;
  host::PrinterModel* office = nullptr;
  std::unique_ptr<Caldrino> caldrino;
};

}  // namespace gridkit::print::test
