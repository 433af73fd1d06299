// A 10,000-row x 8-column flexible grid printed as a report on the built-in
// PDF printer, against the same texts and rules drawn directly with QPainter
// into a PDF. The direct run replays what the report drew (captured once),
// so it does only the drawing: the report's own cost is its measuring,
// cutting and placing on top of that.

#include <benchmark/benchmark.h>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QString>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/grid/flex_grid_model.h"
#include "host/message/message_box_model.h"
#include "host/printer/host_form_model.h"
#include "host/regional/clock.h"
#include "platform/qt/gui_session.h"
#include "platform/qt/qt_printers.h"
#include "print/caldrino.h"

namespace {

using namespace gridkit;

constexpr int32_t kBodyRows = 10000;
constexpr int32_t kCols = 8;

std::string CellText(int32_t row, int32_t col) {
  switch (col % 4) {
    case 0:
      return std::to_string(100000 + row);
    case 1:
      return "Customer " + std::to_string(row % 997);
    case 2: {
      char amount[32];
      std::snprintf(amount, sizeof amount, "%d.%02d", (row * 31 + col) % 100000, row % 100);
      return amount;
    }
    default:
      return std::to_string(1 + row % 28) + "/" + std::to_string(1 + row % 12) + "/2026";
  }
}

struct BenchReport {
  host::FlexGridModel grid{kBodyRows + 1, kCols, 1};
  BenchReport() {
    for (int32_t c = 0; c < kCols; ++c) {
      grid.setColWidth(c, 1300);
      grid.setColAlignment(c, c % 4 == 2 ? 7 : 1);
      grid.setTextMatrix(0, c, "Column " + std::to_string(c + 1));
      for (int32_t r = 1; r <= kBodyRows; ++r)
        grid.setTextMatrix(r, c, CellText(r, c));
    }
  }
};

BenchReport& Report() {
  static platform::GuiSession session;
  static BenchReport report;
  return report;
}

std::string OutputPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

print::ReportOptions Options() {
  print::ReportOptions options;
  options.LineBetnCol = true;
  options.CompanyName = "Benchmark Trading Ltd";
  options.PageHead1 = "Customer balances";
  return options;
}

// Forwards to the PDF printer and keeps what was drawn, to replay it.
class CapturingPrinter : public host::Printer {
 public:
  struct Op {
    enum Kind { Font, Text, Rule, NewPage } kind;
    host::StdFont font = {};
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text = {};
  };

  explicit CapturingPrinter(host::Printer& inner) : inner_(inner) {}
  std::string DeviceName() const override { return inner_.DeviceName(); }
  void setScaleMode(int16_t mode) override { inner_.setScaleMode(mode); }
  void setFillStyle(int16_t style) override { inner_.setFillStyle(style); }
  void setFont(const host::StdFont& font) override {
    inner_.setFont(font);
    ops.push_back({Op::Font, font});
  }
  double TextWidth(std::string_view text) const override { return inner_.TextWidth(text); }
  double TextHeight(std::string_view text) const override { return inner_.TextHeight(text); }
  double ScaleWidth() const override { return inner_.ScaleWidth(); }
  double ScaleHeight() const override { return inner_.ScaleHeight(); }
  int16_t Orientation() const override { return inner_.Orientation(); }
  void setOrientation(int16_t orientation) override { inner_.setOrientation(orientation); }
  void setCurrentX(double x) override {
    x_ = x;
    inner_.setCurrentX(x);
  }
  void setCurrentY(double y) override {
    y_ = y;
    inner_.setCurrentY(y);
  }
  void Print(std::string_view text) override {
    inner_.Print(text);
    ops.push_back({Op::Text, {}, x_, y_, 0, 0, std::string(text)});
  }
  void Line(double x1, double y1, double x2, double y2) override {
    inner_.Line(x1, y1, x2, y2);
    ops.push_back({Op::Rule, {}, x1, y1, x2, y2});
  }
  int16_t Page() const override { return inner_.Page(); }
  void NewPage() override {
    inner_.NewPage();
    ops.push_back({Op::NewPage});
  }
  void EndDoc() override { inner_.EndDoc(); }
  void KillDoc() override { inner_.KillDoc(); }

  std::vector<Op> ops;

 private:
  host::Printer& inner_;
  double x_ = 0;
  double y_ = 0;
};

class CapturingPrinters : public host::Printers {
 public:
  explicit CapturingPrinters(host::Printer& printer) : printer_(printer) {}
  int32_t Count() const override { return 1; }
  host::Printer& Item(int32_t) override { return printer_; }
  void SetCurrent(host::Printer&) override {}
  host::Printer& Current() override { return printer_; }

 private:
  host::Printer& printer_;
};

void PrintReport(host::Printers& printers) {
  host::MessageBoxModel messages;
  messages.Answer(host::MsgResult::No);
  host::FixedClock clock(46000.5);
  host::HostFormModel form(165);
  print::Caldrino caldrino(printers, messages, clock);
  caldrino.setFgrid(&Report().grid);
  caldrino.setActFrm(&form);
  print::ReportOptions options = Options();
  const std::string result = caldrino.PrintFromFlexGrid("PDF", options);
  if (!result.empty()) throw std::runtime_error(result);
}

const std::vector<CapturingPrinter::Op>& CapturedOps() {
  static const std::vector<CapturingPrinter::Op> ops = [] {
    Report();  // the GUI session first
    platform::QtPrinters printers;
    printers.SetPdfOutput(OutputPath("gridkit-bench-capture.pdf"));
    CapturingPrinter capture(printers.Pdf());
    CapturingPrinters list(capture);
    PrintReport(list);
    std::filesystem::remove(OutputPath("gridkit-bench-capture.pdf"));
    return capture.ops;
  }();
  return ops;
}

int PageCount(const std::vector<CapturingPrinter::Op>& ops) {
  int pages = 0;
  for (const auto& op : ops)
    pages += op.kind == CapturingPrinter::Op::NewPage;
  return pages;
}

// The captured texts and rules, drawn straight onto a PDF printer.
void DrawDirect(const std::vector<CapturingPrinter::Op>& ops, const std::string& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  QPainter painter(&printer);
  const double across = printer.resolution() / 12.0;
  const double down = printer.resolution() / 6.0;
  QPen pen(Qt::black);
  pen.setWidth(0);
  painter.setPen(pen);
  double ascent = 0;
  bool pageOpen = true;
  for (const auto& op : ops) {
    switch (op.kind) {
      case CapturingPrinter::Op::Font: {
        QFont font(QString::fromStdString(op.font.Name));
        font.setPointSizeF(op.font.Size);
        font.setBold(op.font.Bold);
        painter.setFont(font);
        ascent = QFontMetricsF(font, &printer).ascent();
        break;
      }
      case CapturingPrinter::Op::Text:
        if (!pageOpen) printer.newPage();
        pageOpen = true;
        painter.drawText(QPointF(op.x1 * across, op.y1 * down + ascent),
                         QString::fromStdString(op.text));
        break;
      case CapturingPrinter::Op::Rule:
        if (!pageOpen) printer.newPage();
        pageOpen = true;
        painter.drawLine(QPointF(op.x1 * across, op.y1 * down),
                         QPointF(op.x2 * across, op.y2 * down));
        break;
      case CapturingPrinter::Op::NewPage:
        pageOpen = false;
        break;
    }
  }
  painter.end();
}

void BM_ReportToPdf(benchmark::State& state) {
  const int pages = PageCount(CapturedOps());
  const std::string path = OutputPath("gridkit-bench-report.pdf");
  for (auto _ : state) {
    platform::QtPrinters printers;
    printers.SetPdfOutput(path);
    PrintReport(printers);
  }
  state.counters["pages"] = pages;
  state.counters["pages_per_s"] =
      benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove(path);
}

void BM_DirectQPainter(benchmark::State& state) {
  const auto& ops = CapturedOps();
  const std::string path = OutputPath("gridkit-bench-direct.pdf");
  for (auto _ : state)
    DrawDirect(ops, path);
  state.counters["pages"] = PageCount(ops);
  state.counters["pages_per_s"] = benchmark::Counter(static_cast<double>(PageCount(ops)),
                                                     benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove(path);
}

// Both, alternately, so that the ratio sees the same machine load.
void BM_ReportOverDirect(benchmark::State& state) {
  const auto& ops = CapturedOps();
  const std::string report = OutputPath("gridkit-bench-report.pdf");
  const std::string direct = OutputPath("gridkit-bench-direct.pdf");
  double reportSeconds = 0;
  double directSeconds = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    platform::QtPrinters printers;
    printers.SetPdfOutput(report);
    PrintReport(printers);
    auto middle = std::chrono::steady_clock::now();
    DrawDirect(ops, direct);
    auto end = std::chrono::steady_clock::now();
    reportSeconds += std::chrono::duration<double>(middle - start).count();
    directSeconds += std::chrono::duration<double>(end - middle).count();
  }
  state.counters["ratio"] = reportSeconds / directSeconds;
  std::filesystem::remove(report);
  std::filesystem::remove(direct);
}

BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DirectQPainter)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportOverDirect)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
