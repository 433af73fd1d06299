#pragma once
// A recording printer: named, with a printable page in character units, and
// a record of every document, page, text and rule.
//
// Text metrics are fixed so that layouts can be worked out by hand: every
// character of an S-point font is S/10 units wide (bold: S/10 x 1.1), and a
// text is S/8 units high. At 8 points a character is 0.8 wide and a line 1
// high.

#include <string>
#include <vector>

#include "host/printer/printer.h"

namespace gridkit::host {

struct PrintedText {
  double x = 0;
  double y = 0;
  std::string text;
  std::string fontName;
  double size = 0;
  bool bold = false;
};

struct PrintedRule {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
};

struct PrintedPage {
  int16_t orientation = printer::kPortrait;
  std::vector<PrintedText> texts;
  std::vector<PrintedRule> rules;
};

enum class DocumentState { Open, Ended, Killed };

struct PrintedDocument {
  DocumentState state = DocumentState::Open;
  std::vector<PrintedPage> pages;
};

class PrinterModel : public Printer {
 public:
  // The printable width and height in portrait, in characters.
  PrinterModel(std::string deviceName, double portraitWidth = 96, double portraitHeight = 60);

  std::string DeviceName() const override { return deviceName_; }
  void setScaleMode(int16_t mode) override;
  void setFillStyle(int16_t style) override;
  void setFont(const StdFont& font) override { font_ = font; }
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  int16_t Orientation() const override { return orientation_; }
  void setOrientation(int16_t orientation) override;
  void setCurrentX(double x) override { currentX_ = x; }
  void setCurrentY(double y) override { currentY_ = y; }
  void Print(std::string_view text) override;
  void Line(double x1, double y1, double x2, double y2) override;
  int16_t Page() const override { return page_; }
  void NewPage() override;
  void EndDoc() override;
  void KillDoc() override;

  const std::vector<PrintedDocument>& Documents() const { return documents_; }
  // Every setting and document call in order: "ScaleMode 4", "FillStyle 5",
  // "Orientation 2", "NewPage", "EndDoc", "KillDoc".
  const std::vector<std::string>& Calls() const { return calls_; }
  int16_t ScaleMode() const { return scaleMode_; }
  const StdFont& Font() const { return font_; }

 private:
  PrintedPage& DrawingPage();
  bool DocumentOpen() const;

  std::string deviceName_;
  double portraitWidth_;
  double portraitHeight_;
  int16_t scaleMode_ = 1;
  int16_t orientation_ = printer::kPortrait;
  StdFont font_;
  double currentX_ = 0;
  double currentY_ = 0;
  int16_t page_ = 1;
  bool pageBegun_ = false;
  std::vector<PrintedDocument> documents_;
  std::vector<std::string> calls_;
};

}  // namespace gridkit::host
