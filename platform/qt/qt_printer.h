#pragma once
// A printer of the machine (a CUPS queue) or the built-in PDF printer, drawn
// on through Qt PrintSupport.
//
// Every document is first written as a PDF beside its destination: the PDF
// printer's ".partial" file next to the chosen output file, renamed onto it
// when the document ends; a machine printer's temporary file, handed to CUPS
// when the document ends. So an abandoned document never reaches paper or
// replaces an earlier file, and orientation can change between pages on
// every printer. Needs a GuiSession (or the host's own Qt GUI application).

#include <memory>
#include <string>

#include "host/printer/printer.h"

namespace gridkit::platform {

class QtPrinter : public host::Printer {
 public:
  // The machine's printer of this CUPS name (QPrinterInfo::printerName()).
  static std::unique_ptr<QtPrinter> System(const std::string& name);
  // The built-in PDF printer, named "PDF".
  static std::unique_ptr<QtPrinter> Pdf();
  // An open document is abandoned.
  ~QtPrinter() override;
  QtPrinter(const QtPrinter&) = delete;
  QtPrinter& operator=(const QtPrinter&) = delete;

  bool IsPdf() const;
  // The PDF printer's output file, taken when a document begins: a document
  // already open keeps the file it began with. Without one, beginning a
  // document raises a printer error.
  void setOutputFile(std::string path);
  const std::string& OutputFile() const;

  std::string DeviceName() const override;
  // Any mode is kept, but lengths are always in characters.
  void setScaleMode(int16_t mode) override;
  void setFillStyle(int16_t style) override;
  void setFont(const host::StdFont& font) override;
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  int16_t Orientation() const override;
  void setOrientation(int16_t orientation) override;
  void setCurrentX(double x) override;
  void setCurrentY(double y) override;
  void Print(std::string_view text) override;
  void Line(double x1, double y1, double x2, double y2) override;
  int16_t Page() const override;
  void NewPage() override;
  void EndDoc() override;
  void KillDoc() override;

 private:
  struct State;
  explicit QtPrinter(std::unique_ptr<State> state);

  std::unique_ptr<State> state_;
};

}  // namespace gridkit::platform
