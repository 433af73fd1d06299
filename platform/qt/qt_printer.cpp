#include "platform/qt/qt_printer.h"

#include <cups/cups.h>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "host/error.h"
#include "platform/qt/gui_session.h"

namespace gridkit::platform {

namespace {

namespace fs = std::filesystem;

constexpr double kPdfMarginPoints = 18;  // a quarter inch, as most printers leave
constexpr double kRulePoints = 0.5;
// Bounds of the measure caches: fonts a job uses, and widths kept per font.
constexpr size_t kMostFonts = 16;
constexpr size_t kMostWidths = 1 << 16;

// Looks a measured text up without copying it.
struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

[[noreturn]] void Fail(const std::string& reason) {
  throw host::Error(host::err::kPrinter, "Printer error: " + reason);
}

fs::path FilePath(const QString& name) {
  return fs::path(QFile::encodeName(name).toStdString());
}

QPageLayout PdfPortrait() {
  const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  const QMarginsF margins(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints);
  return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                     margins, QPageLayout::Point);
}

// Hands a finished PDF to a CUPS queue ("name" or "name/instance"), with the
// options the user saved for that destination.
void SubmitToCups(const std::string& queue, const std::string& file, const QPageSize& pageSize) {
  const size_t slash = queue.find('/');
  const std::string name = queue.substr(0, slash);
  const std::string instance = slash == std::string::npos ? std::string() : queue.substr(slash + 1);
  cups_option_t* options = nullptr;
  int count = 0;
  if (cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(),
                                           instance.empty() ? nullptr : instance.c_str())) {
    for (int i = 0; i < dest->num_options; ++i) {
      count = cupsAddOption(dest->options[i].name, dest->options[i].value, count, &options);
    }
    cupsFreeDests(1, dest);
  }
  count = cupsAddOption("media", pageSize.key().toUtf8().constData(), count, &options);
  const int job = cupsPrintFile(name.c_str(), file.c_str(), "gridkit", count, options);
  cupsFreeOptions(count, options);
  if (job == 0) Fail("cannot send the job to " + queue + ": " + cupsLastErrorString());
}

}  // namespace

struct QtPrinter::State {
  bool pdf = false;
  std::string name;
  std::string outputFile;
  QPrinter printer{QPrinter::HighResolution};
  std::optional<QPageLayout> portrait;
  QPainter painter;

  int16_t scaleMode = 1;
  int16_t fillStyle = 1;
  int16_t orientation = host::printer::kPortrait;
  QFont font;
  // Each font's metrics on the printer and the widths measured in it, kept
  // while the printer lives: a report measures every cell, most of them
  // twice, and its texts repeat.
  struct Measured {
    QFont font;
    QFontMetricsF metrics;
    std::unordered_map<std::string, double, TextHash, std::equal_to<>> widths;
  };
  std::vector<std::unique_ptr<Measured>> measured;
  Measured* current = nullptr;
  // Whether the painter holds the font and the rules' pen.
  bool painterFont = false;
  bool painterPen = false;
  double x = 0;
  double y = 0;

  // The open document.
  bool open = false;
  bool pageBegun = false;
  int16_t page = 1;
  std::string target;
  fs::path partial;
  std::unique_ptr<QTemporaryFile> spool;

  Measured& Current() {
    if (current) return *current;
    for (const auto& m : measured) {
      if (m->font == font) return *(current = m.get());
    }
    if (measured.size() >= kMostFonts) measured.clear();
    measured.push_back(
        std::make_unique<Measured>(Measured{font, QFontMetricsF(font, &printer), {}}));
    return *(current = measured.back().get());
  }
  const QFontMetricsF& Metrics() { return Current().metrics; }

  double Width(std::string_view text) {
    Measured& m = Current();
    if (const auto found = m.widths.find(text); found != m.widths.end()) return found->second;
    if (m.widths.size() >= kMostWidths) m.widths.clear();
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return m.widths[std::string(text)] = m.metrics.horizontalAdvance(qtext) / UnitX();
  }

  // Text and rules share one black pen, set once per document.
  void PreparePainter(bool forText) {
    if (!painterPen) {
      QPen pen(Qt::black);
      pen.setWidthF(kRulePoints * printer.resolution() / 72);
      pen.setCapStyle(Qt::FlatCap);
      painter.setPen(pen);
      painterPen = true;
    }
    if (forText && !painterFont) {
      painter.setFont(font);
      painterFont = true;
    }
  }

  // Device pixels per character across and down.
  double UnitX() const { return printer.resolution() / 12.0; }
  double UnitY() const { return printer.resolution() / 6.0; }

  const QPageLayout& Portrait() {
    if (!portrait) {
      // The queue's own page and margins; a queue gone since the listing
      // lays out as the PDF printer does, and fails only when it is sent to.
      const QPrinterInfo info =
          pdf ? QPrinterInfo() : QPrinterInfo::printerInfo(QString::fromStdString(name));
      if (!info.isNull()) {
        const QPrinter device(info, QPrinter::HighResolution);
        if (device.pageLayout().isValid()) portrait = device.pageLayout();
      }
      if (!portrait) portrait = PdfPortrait();
      portrait->setOrientation(QPageLayout::Portrait);
    }
    return *portrait;
  }

  QPageLayout Layout() {
    QPageLayout layout = Portrait();
    layout.setOrientation(orientation == host::printer::kLandscape ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
    return layout;
  }

  void BeginDocument() {
    if (pdf) {
      if (outputFile.empty()) Fail("no output file for PDF");
      target = outputFile;
      printer.setOutputFileName(QString::fromStdString(target + ".partial"));
    } else {
      spool = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/gridkit-print-XXXXXX.pdf");
      if (!spool->open())
        Fail(name + ": cannot create a spool file in " + QDir::tempPath().toStdString());
      spool->close();
      target = name;
      printer.setOutputFileName(spool->fileName());
    }
    partial = FilePath(printer.outputFileName());
    printer.setPageLayout(Layout());
    // Tried first, so that a file that cannot be written fails here rather
    // than through the painter's own warning on stderr.
    QFile probe(printer.outputFileName());
    const bool writable = probe.open(QIODevice::WriteOnly);
    probe.close();
    if (!writable || !painter.begin(&printer)) {
      std::error_code ignored;
      if (pdf) fs::remove(partial, ignored);
      spool.reset();
      Fail(pdf ? "cannot write " + target : name + ": cannot write the spool file");
    }
    open = true;
    pageBegun = true;
    page = 1;
    painterFont = false;
    painterPen = false;
  }

  // The page being drawn on, begun now if need be.
  void Draw() {
    if (!open) {
      BeginDocument();
    } else if (!pageBegun) {
      // Qt's PDF engine takes a new layout for the page that newPage begins.
      printer.setPageLayout(Layout());
      if (!printer.newPage()) Fail("cannot begin page " + std::to_string(page));
      pageBegun = true;
    }
  }

  void CloseDocument() {
    painter.end();
    open = false;
    pageBegun = false;
    page = 1;
  }

  void Abandon() {
    // Qt's PDF and CUPS engines cannot abort; dropping the file they write is
    // what keeps the document from the printer or the output file.
    printer.abort();
    CloseDocument();
    std::error_code ignored;
    fs::remove(partial, ignored);
    spool.reset();
  }
};

QtPrinter::QtPrinter(std::unique_ptr<State> state) : state_(std::move(state)) {
  state_->printer.setOutputFormat(QPrinter::PdfFormat);
  setFont(host::StdFont{});
}

std::unique_ptr<QtPrinter> QtPrinter::System(const std::string& name) {
  RequireGuiSession();
  auto state = std::make_unique<State>();
  state->name = name;
  return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(state)));
}

std::unique_ptr<QtPrinter> QtPrinter::Pdf() {
  RequireGuiSession();
  auto state = std::make_unique<State>();
  state->pdf = true;
  state->name = "PDF";
  return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(state)));
}

QtPrinter::~QtPrinter() {
  if (state_->open) state_->Abandon();
}

bool QtPrinter::IsPdf() const {
  return state_->pdf;
}

void QtPrinter::setOutputFile(std::string path) {
  state_->outputFile = std::move(path);
}

const std::string& QtPrinter::OutputFile() const {
  return state_->outputFile;
}

std::string QtPrinter::DeviceName() const {
  return state_->name;
}

void QtPrinter::setScaleMode(int16_t mode) {
  if (mode < 0 || mode > 7) throw host::Error::Standard(host::err::kInvalidPropertyValue);
  state_->scaleMode = mode;
}

void QtPrinter::setFillStyle(int16_t style) {
  if (style < 0 || style > 7) throw host::Error::Standard(host::err::kInvalidPropertyValue);
  state_->fillStyle = style;
}

void QtPrinter::setFont(const host::StdFont& font) {
  QFont qfont(QString::fromStdString(font.Name));
  if (font.Size > 0) qfont.setPointSizeF(font.Size);
  qfont.setBold(font.Bold);
  qfont.setItalic(font.Italic);
  qfont.setUnderline(font.Underline);
  qfont.setStrikeOut(font.Strikethrough);
  if (qfont == state_->font) return;
  state_->font = qfont;
  state_->current = nullptr;
  state_->painterFont = false;
}

double QtPrinter::TextWidth(std::string_view text) const {
  return state_->Width(text);
}

double QtPrinter::TextHeight(std::string_view /*text*/) const {
  return state_->Metrics().height() / state_->UnitY();
}

double QtPrinter::ScaleWidth() const {
  return state_->Layout().paintRect(QPageLayout::Point).width() / 6;
}

double QtPrinter::ScaleHeight() const {
  return state_->Layout().paintRect(QPageLayout::Point).height() / 12;
}

int16_t QtPrinter::Orientation() const {
  return state_->orientation;
}

void QtPrinter::setOrientation(int16_t orientation) {
  if (orientation != host::printer::kPortrait && orientation != host::printer::kLandscape) {
    throw host::Error::Standard(host::err::kInvalidPropertyValue);
  }
  state_->orientation = orientation;
}

void QtPrinter::setCurrentX(double x) {
  state_->x = x;
}

void QtPrinter::setCurrentY(double y) {
  state_->y = y;
}

void QtPrinter::Print(std::string_view text) {
  State& s = *state_;
  s.Draw();
  s.PreparePainter(true);
  s.painter.drawText(QPointF(s.x * s.UnitX(), s.y * s.UnitY() + s.Metrics().ascent()),
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtPrinter::Line(double x1, double y1, double x2, double y2) {
  State& s = *state_;
  s.Draw();
  s.PreparePainter(false);
  s.painter.drawLine(QLineF(x1 * s.UnitX(), y1 * s.UnitY(), x2 * s.UnitX(), y2 * s.UnitY()));
}

int16_t QtPrinter::Page() const {
  return state_->page;
}

void QtPrinter::NewPage() {
  State& s = *state_;
  // A page left without drawing is still a page, as on paper.
  s.Draw();
  s.pageBegun = false;
  ++s.page;
}

void QtPrinter::EndDoc() {
  State& s = *state_;
  if (!s.open) return;
  s.CloseDocument();
  if (s.pdf) {
    std::error_code error;
    fs::rename(s.partial, FilePath(QString::fromStdString(s.target)), error);
    if (error) {
      std::error_code ignored;
      fs::remove(s.partial, ignored);
      Fail("cannot write " + s.target + ": " + error.message());
    }
  } else {
    const std::unique_ptr<QTemporaryFile> spool = std::move(s.spool);
    SubmitToCups(s.name, s.partial.string(), s.Portrait().pageSize());
  }
}

void QtPrinter::KillDoc() {
  if (state_->open) state_->Abandon();
}

}  // namespace gridkit::platform
