// FlexGridToExcel of a large grid into the spreadsheet model, the save of
// that model to .xlsx, and libxlsxwriter writing the same typed cells
// directly in its constant-memory mode, for comparison.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "export/excel_posting.h"
#include "host/grid/flex_grid_model.h"
#include "host/message/message_box_model.h"
#include "host/regional/date_serial.h"
#include "host/spreadsheet/model/spreadsheet_model_factory.h"
#include "platform/xlsx/xlsx_save.h"

namespace {

using namespace gridkit;

constexpr int32_t kRows = 100000;
constexpr int32_t kCols = 10;

// Column kinds, repeated across the ten columns: whole numbers, two-decimal
// amounts, day-first dates, and text.
enum class Kind { Whole, Amount, Date, Text };
Kind KindOf(int32_t col) {
  return static_cast<Kind>(col % 4);
}

std::string CellText(int32_t row, int32_t col) {
  switch (KindOf(col)) {
    case Kind::Whole:
      return std::to_string((row * 7919 + col) % 100000);
    case Kind::Amount: {
      char text[32];
      std::snprintf(text, sizeof text, "%d.%02d", (row * 31 + col) % 10000, row % 100);
      return text;
    }
    case Kind::Date:
      return std::to_string(1 + row % 28) + "/" + std::to_string(1 + (row / 28) % 12) + "/" +
             std::to_string(2000 + row % 25);
    case Kind::Text:
      break;
  }
  return "Item " + std::to_string(row) + "-" + std::to_string(col);
}

struct BenchGrid {
  host::FlexGridModel grid{kRows + 1, kCols, 1};
  size_t textBytes = 0;
  BenchGrid() {
    for (int32_t c = 0; c < kCols; ++c) {
      grid.setTextMatrix(0, c, "Column " + std::to_string(c + 1));
      for (int32_t r = 1; r <= kRows; ++r) {
        std::string text = CellText(r, c);
        textBytes += text.size();
        grid.setTextMatrix(r, c, text);
      }
    }
    for (int32_t r = 1; r <= kRows; r += 50)
      grid.CellAt(r, 0).bold = true;
  }
};

BenchGrid& Grid() {
  static BenchGrid grid;
  return grid;
}

std::string OutPath(const char* name) {
  return "/tmp/gridkit-bench-" + std::to_string(getpid()) + "-" + name + ".xlsx";
}

long ResidentKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
  }
  return 0;
}

// Lets VmHWM restart from the current resident size.
void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

std::shared_ptr<host::ApplicationModel> Export(host::SpreadsheetModelFactory& factory) {
  host::MessageBoxModel boxes;
  sheet::ExcelPosting posting(factory.Factory(), boxes);
  posting.setArgFG(&Grid().grid);
  posting.FlexGridToExcel("Benchmark", "100,000 rows");
  if (!boxes.Shown().empty()) throw std::runtime_error(boxes.Shown().front().text);
  return factory.Started().back();
}

void BM_WalkIntoModel(benchmark::State& state) {
  Grid();
  for (auto _ : state) {
    host::SpreadsheetModelFactory factory;
    benchmark::DoNotOptimize(Export(factory));
  }
  state.counters["cells"] = static_cast<double>(kRows) * kCols;
}

void BM_SaveModel(benchmark::State& state) {
  host::SpreadsheetModelFactory factory;
  auto app = Export(factory);
  const std::string path = OutPath("save");
  for (auto _ : state)
    platform::SaveWorkbookAsXlsx(app->Book(1), path);
  std::remove(path.c_str());
}

void BM_WalkAndSave(benchmark::State& state) {
  const long gridText = static_cast<long>(Grid().textBytes);
  const std::string path = OutPath("whole");
  long peakExtraKiB = 0;
  for (auto _ : state) {
    // Freed heap from earlier runs would hide the export's own growth.
    malloc_trim(0);
    const long before = ResidentKiB("VmRSS:");
    ResetPeak();
    {
      host::SpreadsheetModelFactory factory({}, platform::SaveOnShow(path));
      Export(factory);
    }
    peakExtraKiB = std::max(peakExtraKiB, ResidentKiB("VmHWM:") - before);
  }
  std::remove(path.c_str());
  state.counters["grid_text_MiB"] = static_cast<double>(gridText) / (1 << 20);
  state.counters["peak_extra_MiB"] = static_cast<double>(peakExtraKiB) / 1024;
  state.counters["peak_over_text"] = static_cast<double>(peakExtraKiB) * 1024 / gridText;
}

// The same typed cells written straight to libxlsxwriter, streaming rows.
void BM_DirectLibxlsxwriter(benchmark::State& state) {
  BenchGrid& bench = Grid();
  const std::string path = OutPath("direct");
  for (auto _ : state) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* whole = workbook_add_format(book);
    format_set_num_format(whole, "#,##0");
    lxw_format* amount = workbook_add_format(book);
    format_set_num_format(amount, "#,##0.00");
    lxw_format* date = workbook_add_format(book);
    format_set_num_format(date, "d-MM-yyyy");
    for (int32_t c = 0; c < kCols; ++c) {
      worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                             bench.grid.TextMatrix(0, c).c_str(), bold);
    }
    for (int32_t r = 1; r <= kRows; ++r) {
      for (int32_t c = 0; c < kCols; ++c) {
        const std::string text = bench.grid.TextMatrix(r, c);
        const auto row = static_cast<lxw_row_t>(r);
        const auto col = static_cast<lxw_col_t>(c);
        switch (KindOf(c)) {
          case Kind::Whole:
            worksheet_write_number(sheet, row, col, std::stod(text), whole);
            break;
          case Kind::Amount:
            worksheet_write_number(sheet, row, col, std::stod(text), amount);
            break;
          case Kind::Date: {
            const int day = 1 + r % 28, month = 1 + (r / 28) % 12, year = 2000 + r % 25;
            worksheet_write_number(sheet, row, col, host::DateSerial(year, month, day), date);
            break;
          }
          case Kind::Text:
            worksheet_write_string(sheet, row, col, text.c_str(), nullptr);
            break;
        }
      }
    }
    workbook_close(book);
  }
  std::remove(path.c_str());
}

BENCHMARK(BM_DirectLibxlsxwriter)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WalkIntoModel)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveModel)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WalkAndSave)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
