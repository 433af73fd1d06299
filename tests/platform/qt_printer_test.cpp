#include "platform/qt/qt_printer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFont>
#include <QFontInfo>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/error.h"
#include "host/regional/date_serial.h"
#include "platform/qt/gui_session.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/system_clock.h"

namespace gridkit {
namespace {

namespace fs = std::filesystem;
using platform::QtPrinter;
using platform::QtPrinters;

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { session_ = std::make_unique<platform::GuiSession>(); }
  void TearDown() override { session_.reset(); }

 private:
  std::unique_ptr<platform::GuiSession> session_;
};

[[maybe_unused]] ::testing::Environment* const kGui =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

std::string Quote(const fs::path& path) {
  return "'" + path.string() + "'";
}

// The standard output of a command.
std::string Run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
    out.append(buffer, n);
  pclose(pipe);
  return out;
}

struct PageSize {
  double width = 0;
  double height = 0;
};

// A number that follows a label in a text, or -1.
double NumberAfter(const std::string& text, const std::string& label, size_t from = 0) {
  const size_t at = text.find(label, from);
  if (at == std::string::npos) return -1;
  return std::strtod(text.c_str() + at + label.size(), nullptr);
}

// Page sizes in points, as pdfinfo reads them ("Page    1 size: 595 x 842 pts").
std::vector<PageSize> PdfPages(const fs::path& pdf) {
  std::istringstream info(Run("pdfinfo -f 1 -l 99 " + Quote(pdf) + " 2>/dev/null"));
  std::vector<PageSize> pages;
  for (std::string line; std::getline(info, line);) {
    const size_t label = line.find(" size:");
    PageSize size;
    if (line.starts_with("Page ") && label != std::string::npos &&
        std::sscanf(line.c_str() + label + 6, " %lf x %lf", &size.width, &size.height) == 2) {
      pages.push_back(size);
    }
  }
  return pages;
}

int PdfPageCount(const fs::path& pdf) {
  return static_cast<int>(NumberAfter(Run("pdfinfo " + Quote(pdf) + " 2>/dev/null"), "Pages:"));
}

std::string PdfText(const fs::path& pdf, int page) {
  const std::string p = std::to_string(page);
  return Run("pdftotext -f " + p + " -l " + p + " " + Quote(pdf) + " - 2>/dev/null");
}

struct WordBox {
  double xMin = -1;
  double yMin = -1;
};

// The box of a word as pdftotext -bbox gives it:
// <word xMin="78.0" yMin="258.0" xMax="..." yMax="...">Topline</word>
WordBox FindWord(const fs::path& pdf, const std::string& word) {
  const std::string html = Run("pdftotext -bbox " + Quote(pdf) + " - 2>/dev/null");
  const size_t text = html.find(">" + word + "</word>");
  if (text == std::string::npos) return {};
  const size_t tag = html.rfind("<word ", text);
  if (tag == std::string::npos) return {};
  return {NumberAfter(html, "xMin=\"", tag), NumberAfter(html, "yMin=\"", tag)};
}

// A page rendered in grey at 144 dpi (two pixels a point).
struct Raster {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  int At(double xPoints, double yPoints) const {
    const int x = static_cast<int>(xPoints * 2);
    const int y = static_cast<int>(yPoints * 2);
    if (x < 0 || y < 0 || x >= width || y >= height) return -1;
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
  // The darkest pixel within a point of a spot.
  int DarkestNear(double xPoints, double yPoints) const {
    int darkest = 255;
    for (double dy = -1; dy <= 1; dy += 0.5) {
      for (double dx = -1; dx <= 1; dx += 0.5) {
        const int v = At(xPoints + dx, yPoints + dy);
        if (v >= 0 && v < darkest) darkest = v;
      }
    }
    return darkest;
  }
};

Raster Render(const fs::path& pdf, int page, const fs::path& prefix) {
  const std::string p = std::to_string(page);
  Run("pdftoppm -r 144 -gray -singlefile -f " + p + " -l " + p + " " + Quote(pdf) + " " +
      Quote(prefix));
  std::ifstream in(prefix.string() + ".pgm", std::ios::binary);
  std::string magic;
  int maxValue = 0;
  Raster raster;
  in >> magic >> raster.width >> raster.height >> maxValue;
  in.get();
  raster.pixels.assign(std::istreambuf_iterator<char>(in), {});
  if (magic != "P5" || raster.pixels.size() != size_t(raster.width) * size_t(raster.height)) {
    return {};
  }
  return raster;
}

host::StdFont Arial(double size, bool bold = false) {
  host::StdFont font;
  font.Name = "Arial";
  font.Size = size;
  font.Bold = bold;
  return font;
}

class QtPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    dir_ = fs::temp_directory_path() /
           ("gridkit-qtprinter-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    pdf_ = QtPrinter::Pdf();
    pdf_->setFont(Arial(8));
  }
  void TearDown() override {
    pdf_.reset();
    fs::remove_all(dir_);
  }

  fs::path Output(const std::string& name) {
    const fs::path path = dir_ / name;
    pdf_->setOutputFile(path.string());
    return path;
  }

  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path dir_;
  std::unique_ptr<QtPrinter> pdf_;
};

TEST(QtPrinters, ListsThePdfPrinterLastAndKeepsTheCurrentOne) {
  QtPrinters printers;
  ASSERT_GE(printers.Count(), 1);
  EXPECT_EQ(printers.Item(printers.Count() - 1).DeviceName(), "PDF");
  host::Printer* found = nullptr;
  for (int32_t i = 0; i < printers.Count(); ++i) {
    if (printers.Item(i).DeviceName() == "PDF") found = &printers.Item(i);
  }
  EXPECT_EQ(found, &printers.Pdf());

  for (const int32_t bad : {-1, printers.Count()}) {
    try {
      printers.Item(bad);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const host::Error& error) {
      EXPECT_EQ(error.Number(), host::err::kSubscriptOutOfRange);
    }
  }
  try {
    printers.Current();
    ADD_FAILURE() << "no error without a current printer";
  } catch (const host::Error& error) {
    EXPECT_EQ(error.Number(), host::err::kObjectNotSet);
  }
  printers.SetCurrent(printers.Pdf());
  EXPECT_EQ(&printers.Current(), &printers.Pdf());

  printers.SetPdfOutput("/somewhere/report.pdf");
  EXPECT_EQ(printers.Pdf().OutputFile(), "/somewhere/report.pdf");
}

TEST(QtPrinterFont, ArialIsLiberationSans) {
  EXPECT_EQ(QFontInfo(QFont("Arial")).family().toStdString(), "Liberation Sans");
}

TEST_F(QtPrinterTest, MeasuresInTheRealFontBeforeAnyDocument) {
  // Liberation Sans: W advances 0.944 em, a line is 1.117 em; one unit is
  // 6 points across and 12 points down.
  const double w = pdf_->TextWidth("W");
  EXPECT_NEAR(w, 8 * 0.944 / 6, 0.02);
  EXPECT_NEAR(pdf_->TextHeight("W"), 8 * 1.117 / 12, 0.02);
  EXPECT_DOUBLE_EQ(pdf_->TextWidth(""), 0);
  EXPECT_NEAR(pdf_->TextWidth("WWW"), 3 * w, 0.01);
  // Characters, not bytes: é is as wide as e.
  EXPECT_NEAR(pdf_->TextWidth("\xC3\xA9"), pdf_->TextWidth("e"), 0.01);

  const double regular = pdf_->TextWidth("Total");
  pdf_->setFont(Arial(16));
  EXPECT_NEAR(pdf_->TextWidth("W"), 2 * w, 0.02);
  pdf_->setFont(Arial(8, true));
  EXPECT_GT(pdf_->TextWidth("Total"), 1.03 * regular);
  EXPECT_TRUE(Files().empty());
}

TEST_F(QtPrinterTest, ThePrintableAreaTurnsWithTheOrientation) {
  const double width = pdf_->ScaleWidth();
  const double height = pdf_->ScaleHeight();
  // A4 or Letter, less a quarter inch all round.
  const bool a4 = std::abs(width - (595 - 36) / 6.0) < 0.01;
  const bool letter = std::abs(width - (612 - 36) / 6.0) < 0.01;
  EXPECT_TRUE(a4 || letter) << width;
  EXPECT_NEAR(height, a4 ? (842 - 36) / 12.0 : (792 - 36) / 12.0, 0.01);

  pdf_->setOrientation(host::printer::kLandscape);
  EXPECT_EQ(pdf_->Orientation(), host::printer::kLandscape);
  EXPECT_NEAR(pdf_->ScaleWidth(), height * 2, 0.01);
  EXPECT_NEAR(pdf_->ScaleHeight(), width / 2, 0.01);

  pdf_->setScaleMode(1);  // kept, but lengths stay in characters
  EXPECT_NEAR(pdf_->ScaleWidth(), height * 2, 0.01);
}

TEST_F(QtPrinterTest, RejectsSettingsOutOfRange) {
  const std::function<void()> calls[] = {
      [&] { pdf_->setOrientation(0); }, [&] { pdf_->setOrientation(3); },
      [&] { pdf_->setScaleMode(8); },   [&] { pdf_->setScaleMode(-1); },
      [&] { pdf_->setFillStyle(8); },
  };
  for (const auto& call : calls) {
    try {
      call();
      ADD_FAILURE() << "no error";
    } catch (const host::Error& error) {
      EXPECT_EQ(error.Number(), host::err::kInvalidPropertyValue);
    }
  }
  EXPECT_EQ(pdf_->Orientation(), host::printer::kPortrait);
}

TEST_F(QtPrinterTest, WritesPagesInTheirOwnOrientation) {
  const fs::path out = Output("report.pdf");
  const double portraitWidth = pdf_->ScaleWidth();
  pdf_->setOrientation(host::printer::kLandscape);
  const double landscapeWidth = pdf_->ScaleWidth();
  EXPECT_EQ(pdf_->Page(), 1);
  // Beyond the portrait width: lands only on a landscape page.
  pdf_->setCurrentX(landscapeWidth - 10);
  pdf_->setCurrentY(2);
  pdf_->Print("Wide");
  pdf_->setCurrentX(1);
  pdf_->Print("Größe");
  pdf_->setOrientation(host::printer::kPortrait);
  EXPECT_NEAR(pdf_->ScaleWidth(), portraitWidth, 1e-9);
  pdf_->NewPage();
  EXPECT_EQ(pdf_->Page(), 2);
  pdf_->setCurrentX(1);
  pdf_->setCurrentY(1);
  pdf_->Print("Second");
  pdf_->Line(0, 5, portraitWidth, 5);
  EXPECT_FALSE(fs::exists(out));
  pdf_->EndDoc();
  EXPECT_EQ(pdf_->Page(), 1);

  EXPECT_EQ(Files(), std::vector<std::string>{"report.pdf"});
  EXPECT_EQ(PdfPageCount(out), 2);
  const std::vector<PageSize> pages = PdfPages(out);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_GT(pages[0].width, pages[0].height);
  EXPECT_LT(pages[1].width, pages[1].height);
  EXPECT_NEAR(portraitWidth, (pages[1].width - 36) / 6, 0.05);
  EXPECT_NEAR(landscapeWidth, (pages[0].width - 36) / 6, 0.05);

  const std::string first = PdfText(out, 1);
  EXPECT_NE(first.find("Wide"), std::string::npos) << first;
  EXPECT_NE(first.find("Größe"), std::string::npos) << first;
  EXPECT_NE(PdfText(out, 2).find("Second"), std::string::npos);
}

TEST_F(QtPrinterTest, DrawsTextFromItsTopLeftAndRulesWhereAsked) {
  const fs::path out = Output("place.pdf");
  const double width = pdf_->ScaleWidth();
  const double height = pdf_->ScaleHeight();
  pdf_->setCurrentX(10);
  pdf_->setCurrentY(20);
  pdf_->Print("Topline");
  pdf_->Line(0, 30, width, 30);
  pdf_->Line(40, 0, 40, height);
  pdf_->EndDoc();

  // Points from the page's top left: a quarter-inch margin, then 6 points a
  // unit across and 12 down.
  const WordBox box = FindWord(out, "Topline");
  EXPECT_NEAR(box.xMin, 18 + 10 * 6, 1.0);
  EXPECT_NEAR(box.yMin, 18 + 20 * 12, 1.5);

  const Raster page = Render(out, 1, dir_ / "page");
  ASSERT_GT(page.width, 0);
  const double right = 18 + width * 6;
  const double ruleY = 18 + 30 * 12;
  for (const double x : {20.0, 300.0, right - 2}) {
    EXPECT_LT(page.DarkestNear(x, ruleY), 200) << "horizontal rule at x " << x;
  }
  EXPECT_EQ(page.DarkestNear(10, ruleY), 255) << "rule before the printable area";
  EXPECT_EQ(page.DarkestNear(right + 8, ruleY), 255) << "rule past the printable area";
  EXPECT_EQ(page.DarkestNear(300, ruleY - 6), 255) << "rule too thick or misplaced";
  const double ruleX = 18 + 40 * 6;
  EXPECT_LT(page.DarkestNear(ruleX, 500), 200) << "vertical rule";
  EXPECT_EQ(page.DarkestNear(ruleX + 6, 500), 255);
}

TEST_F(QtPrinterTest, BeginsAPageOnlyWhenSomethingFollowsNewPage) {
  struct Case {
    const char* name;
    int newPages;
    int expectedPages;
  };
  const Case cases[] = {
      {"EndDoc right after NewPage", 1, 1},
      {"a page left empty between two NewPage", 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path out = Output(std::string(c.name) + ".pdf");
    pdf_->Print("One");
    for (int i = 0; i < c.newPages; ++i)
      pdf_->NewPage();
    pdf_->EndDoc();
    EXPECT_EQ(PdfPageCount(out), c.expectedPages);
  }
}

TEST_F(QtPrinterTest, KillDocLeavesNoFileAndSparesAFinishedOne) {
  const fs::path out = Output("kept.pdf");
  pdf_->Print("Abandoned");
  pdf_->NewPage();
  pdf_->KillDoc();
  EXPECT_TRUE(Files().empty());
  EXPECT_EQ(pdf_->Page(), 1);

  pdf_->Print("Finished");
  pdf_->EndDoc();
  pdf_->KillDoc();
  pdf_->EndDoc();
  EXPECT_EQ(Files(), std::vector<std::string>{"kept.pdf"});

  // A later document abandoned leaves the earlier file as it was.
  pdf_->Print("Replacement");
  pdf_->KillDoc();
  EXPECT_EQ(Files(), std::vector<std::string>{"kept.pdf"});
  const std::string text = PdfText(out, 1);
  EXPECT_NE(text.find("Finished"), std::string::npos);
  EXPECT_EQ(text.find("Replacement"), std::string::npos);
}

TEST_F(QtPrinterTest, APrinterDroppedMidDocumentLeavesNoFile) {
  Output("dropped.pdf");
  pdf_->Print("Never");
  pdf_.reset();
  EXPECT_TRUE(Files().empty());
}

TEST_F(QtPrinterTest, TheOutputFileIsTakenWhenTheDocumentBegins) {
  const fs::path first = Output("first.pdf");
  pdf_->Print("One");
  Output("second.pdf");
  pdf_->EndDoc();
  EXPECT_EQ(Files(), std::vector<std::string>{"first.pdf"});
  EXPECT_EQ(PdfPageCount(first), 1);
}

TEST_F(QtPrinterTest, ReportsWhyAPdfCannotBeWritten) {
  struct Case {
    const char* name;
    std::function<void()> draw;
  };
  const Case draws[] = {
      {"Print", [&] { pdf_->Print("x"); }},
      {"Line", [&] { pdf_->Line(0, 0, 1, 1); }},
      {"NewPage", [&] { pdf_->NewPage(); }},
  };
  for (const Case& c : draws) {
    SCOPED_TRACE(c.name);
    try {
      c.draw();
      ADD_FAILURE() << "no error without an output file";
    } catch (const host::Error& error) {
      EXPECT_EQ(error.Number(), host::err::kPrinter);
      EXPECT_EQ(error.Description(), "Printer error: no output file for PDF");
    }
  }

  const fs::path missing = dir_ / "no-such-folder" / "out.pdf";
  pdf_->setOutputFile(missing.string());
  try {
    pdf_->Print("x");
    ADD_FAILURE() << "no error for a missing folder";
  } catch (const host::Error& error) {
    EXPECT_EQ(error.Number(), host::err::kPrinter);
    EXPECT_NE(error.Description().find(missing.string()), std::string::npos) << error.Description();
  }
  EXPECT_TRUE(Files().empty());

  // The finished document cannot take the place of a folder.
  const fs::path folder = dir_ / "folder.pdf";
  fs::create_directory(folder);
  pdf_->setOutputFile(folder.string());
  pdf_->Print("x");
  try {
    pdf_->EndDoc();
    ADD_FAILURE() << "no error for a folder as the output file";
  } catch (const host::Error& error) {
    EXPECT_EQ(error.Number(), host::err::kPrinter);
    EXPECT_NE(error.Description().find(folder.string()), std::string::npos) << error.Description();
  }
  EXPECT_EQ(Files(), std::vector<std::string>{"folder.pdf"});
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(pdf_->Page(), 1);

  // The printer recovers once it has somewhere to write.
  const fs::path out = Output("after.pdf");
  pdf_->Print("Recovered");
  pdf_->EndDoc();
  EXPECT_EQ(PdfPageCount(out), 1);
}

// The spool files of machine printers in the temporary folder.
int SpoolFiles() {
  const char* tmp = std::getenv("TMPDIR");
  int count = 0;
  for (const auto& entry : fs::directory_iterator(tmp && *tmp ? tmp : "/tmp")) {
    if (entry.path().filename().string().starts_with("gridkit-print-")) ++count;
  }
  return count;
}

TEST(QtSystemPrinter, DropsItsSpoolFileWhetherAbandonedOrRefused) {
  const std::unique_ptr<QtPrinter> printer = QtPrinter::System("gridkit-no-such-queue");
  EXPECT_EQ(printer->DeviceName(), "gridkit-no-such-queue");
  EXPECT_FALSE(printer->IsPdf());
  EXPECT_GT(printer->ScaleWidth(), 50);
  const int before = SpoolFiles();

  printer->Print("Abandoned");
  EXPECT_EQ(SpoolFiles(), before + 1);
  printer->KillDoc();
  EXPECT_EQ(SpoolFiles(), before);

  printer->Print("Refused");
  try {
    printer->EndDoc();
    ADD_FAILURE() << "a queue that does not exist took the job";
  } catch (const host::Error& error) {
    EXPECT_EQ(error.Number(), host::err::kPrinter);
    EXPECT_NE(error.Description().find("gridkit-no-such-queue"), std::string::npos)
        << error.Description();
  }
  EXPECT_EQ(SpoolFiles(), before);
  EXPECT_EQ(printer->Page(), 1);
}

TEST(SystemClock, TellsTheLocalTimeAsADateSerial) {
  const double before = [] {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return host::DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           host::TimeSerial(local.tm_hour, local.tm_min, local.tm_sec);
  }();
  const double now = platform::SystemClock().Now();
  EXPECT_GE(now, before);
  EXPECT_LT(now - before, 2.0 / 86400);
}

}  // namespace
}  // namespace gridkit
