// The recording printer: its fixed metrics, and documents that begin with
// the first drawing and end, or are abandoned, as a real printer's do.

#include "host/printer/printer_model.h"

#include <gtest/gtest.h>

#include "host/printer/printers_model.h"
#include "tests/support/error_of.h"

namespace gridkit::host {
namespace {

using test_support::ErrorOf;

TEST(PrinterModelTest, MeasuresByFontSizeAndWeight) {
  PrinterModel printer("Office");
  StdFont font;
  font.Size = 8;
  printer.setFont(font);
  EXPECT_DOUBLE_EQ(printer.TextWidth("W"), 0.8);
  EXPECT_DOUBLE_EQ(printer.TextWidth("Größe"), 4.0) << "characters, not bytes";
  EXPECT_DOUBLE_EQ(printer.TextHeight("W"), 1.0);
  font.Bold = true;
  font.Size = 10;
  printer.setFont(font);
  EXPECT_DOUBLE_EQ(printer.TextWidth("ab"), 2.2);
}

TEST(PrinterModelTest, LandscapeTurnsThePrintableArea) {
  PrinterModel printer("Office", 96, 60);
  printer.setOrientation(printer::kLandscape);
  EXPECT_DOUBLE_EQ(printer.ScaleWidth(), 120);
  EXPECT_DOUBLE_EQ(printer.ScaleHeight(), 48);
  EXPECT_EQ(ErrorOf([&] { printer.setOrientation(3); }), 380);
}

TEST(PrinterModelTest, TheDocumentBeginsWithTheFirstDrawingAndEndsWithoutABlankPage) {
  PrinterModel printer("Office");
  printer.NewPage();
  printer.EndDoc();
  ASSERT_EQ(printer.Documents().size(), 1u);
  EXPECT_EQ(printer.Documents()[0].pages.size(), 1u) << "a page ended empty is still a page";

  printer.setCurrentX(3);
  printer.setCurrentY(4);
  printer.Print("one");
  EXPECT_EQ(printer.Page(), 1);
  printer.NewPage();
  EXPECT_EQ(printer.Page(), 2);
  printer.Line(1, 2, 3, 2);
  printer.NewPage();
  printer.EndDoc();
  ASSERT_EQ(printer.Documents().size(), 2u);
  const PrintedDocument& document = printer.Documents()[1];
  EXPECT_EQ(document.state, DocumentState::Ended);
  ASSERT_EQ(document.pages.size(), 2u);
  EXPECT_EQ(document.pages[0].texts[0].text, "one");
  EXPECT_DOUBLE_EQ(document.pages[0].texts[0].x, 3);
  EXPECT_EQ(document.pages[1].rules.size(), 1u);
}

TEST(PrinterModelTest, KillDocAbandonsOnlyAnOpenDocument) {
  PrinterModel printer("Office");
  printer.KillDoc();
  EXPECT_TRUE(printer.Documents().empty());
  printer.Print("kept");
  printer.EndDoc();
  printer.KillDoc();
  EXPECT_EQ(printer.Documents()[0].state, DocumentState::Ended);
  printer.Print("dropped");
  printer.KillDoc();
  EXPECT_EQ(printer.Documents()[1].state, DocumentState::Killed);
  EXPECT_EQ(printer.Page(), 1);
}

TEST(PrintersModelTest, KeepsOrderAndTheCurrentPrinter) {
  PrintersModel printers;
  EXPECT_EQ(ErrorOf([&] { printers.Current(); }), 91);
  Printer& first = printers.Add(std::make_unique<PrinterModel>("A"));
  printers.Add(std::make_unique<PrinterModel>("B"));
  EXPECT_EQ(printers.Item(1).DeviceName(), "B");
  EXPECT_EQ(ErrorOf([&] { printers.Item(2); }), 9);
  printers.SetCurrent(first);
  EXPECT_EQ(&printers.Current(), &first);
}

}  // namespace
}  // namespace gridkit::host
