#include "platform/xlsx/xlsx_save.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/error.h"
#include "platform/xlsx/xlsx_format_cache.h"

namespace gridkit::platform {

namespace {

// Sheet names may not hold []:*?/\ and are at most 31 characters.
std::string SheetNameForFile(const std::string& name) {
  std::string safe;
  for (char c : name)
    safe.push_back(std::strchr("[]:*?/\\", c) != nullptr ? '_' : c);
  if (safe.size() > 31) safe.resize(31);
  return safe.empty() ? "Sheet" : safe;
}

host::Error SaveError(const std::string& path, const std::string& why, int savedErrno) {
  const int32_t number = savedErrno == ENOSPC ? host::err::kDiskFull : host::err::kPathFileAccess;
  return host::Error(number, host::StandardErrorText(number) + " (" + path + ": " + why + ")");
}

void Check(lxw_error result, const std::string& path) {
  if (result != LXW_NO_ERROR) throw SaveError(path, lxw_strerror(result), errno);
}

void WriteSheet(lxw_workbook* book, const host::WorksheetModel& sheet, XlsxFormatCache& formats,
                const std::string& path) {
  lxw_worksheet* out = workbook_add_worksheet(book, SheetNameForFile(sheet.Name()).c_str());
  if (out == nullptr) throw SaveError(path, "cannot add sheet " + sheet.Name(), 0);

  // Whole-column styles and fitted widths; an unfitted column keeps the
  // standard width.
  const int32_t columns = std::max(sheet.StyledColumnCount(), sheet.LastColumn());
  for (int32_t c = 1; c <= columns; ++c) {
    const uint32_t style = sheet.ColumnStyleId(c);
    const auto width = sheet.ColumnWidth(c);
    if (style == 0 && !width) continue;
    const auto col = static_cast<lxw_col_t>(c - 1);
    Check(
        worksheet_set_column(out, col, col, width.value_or(LXW_DEF_COL_WIDTH), formats.For(style)),
        path);
  }

  // Merged ranges first: rows are streamed in order below, and recording a
  // range writes no cell.
  for (const host::CellArea& merge : sheet.Merges()) {
    Check(worksheet_merge_range(out, static_cast<lxw_row_t>(merge.firstRow - 1),
                                static_cast<lxw_col_t>(merge.firstCol - 1),
                                static_cast<lxw_row_t>(merge.lastRow - 1),
                                static_cast<lxw_col_t>(merge.lastCol - 1), "", nullptr),
          path);
  }

  std::string text;
  for (int32_t r = 1; r <= sheet.LastRow(); ++r) {
    const auto row = static_cast<lxw_row_t>(r - 1);
    const int32_t length = sheet.RowLength(r);
    for (int32_t c = 1; c <= length; ++c) {
      const host::CellView cell = sheet.Cell(r, c);
      const auto col = static_cast<lxw_col_t>(c - 1);
      lxw_format* format = formats.For(cell.styleId);
      switch (cell.kind) {
        case host::CellKind::Empty:
          if (cell.styleId != sheet.ColumnStyleId(c) && format != nullptr) {
            Check(worksheet_write_blank(out, row, col, format), path);
          }
          break;
        case host::CellKind::Number:
        case host::CellKind::Date:
          Check(worksheet_write_number(out, row, col, cell.number, format), path);
          break;
        case host::CellKind::Boolean:
          Check(worksheet_write_boolean(out, row, col, cell.number != 0 ? 1 : 0, format), path);
          break;
        case host::CellKind::Text:
          text.assign(cell.text);
          Check(worksheet_write_string(out, row, col, text.c_str(), format), path);
          break;
      }
    }
  }
}

}  // namespace

size_t SaveWorkbookAsXlsx(const host::WorkbookModel& book, const std::string& path) {
  // Written beside the target and renamed into place when complete, so that
  // a failed save leaves nothing under the target's name.
  const std::string partial = path + ".partial-" + std::to_string(getpid());
  // Claim the partial file first: an unwritable folder is then reported here
  // rather than by the library's own message on standard error.
  if (std::FILE* claim = std::fopen(partial.c_str(), "wb")) {
    std::fclose(claim);
  } else {
    const int claimErrno = errno;
    throw SaveError(path, std::strerror(claimErrno), claimErrno);
  }
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* out = workbook_new_opt(partial.c_str(), &options);
  if (out == nullptr) {
    std::remove(partial.c_str());
    throw SaveError(path, "cannot start the workbook", errno);
  }

  size_t formatsMade = 0;
  try {
    if (book.SheetCount() > 0) {
      XlsxFormatCache formats(out, book.Sheet(1).Styles());
      for (int32_t i = 1; i <= book.SheetCount(); ++i)
        WriteSheet(out, book.Sheet(i), formats, path);
      formatsMade = formats.FormatsMade();
    }
  } catch (...) {
    workbook_close(out);
    std::remove(partial.c_str());
    throw;
  }
  errno = 0;
  const lxw_error closed = workbook_close(out);
  const int closeErrno = errno;
  if (closed != LXW_NO_ERROR) {
    std::remove(partial.c_str());
    throw SaveError(path, lxw_strerror(closed), closeErrno);
  }
  if (std::rename(partial.c_str(), path.c_str()) != 0) {
    const int renameErrno = errno;
    std::remove(partial.c_str());
    throw SaveError(path, std::strerror(renameErrno), renameErrno);
  }
  return formatsMade;
}

host::ShowHandler SaveOnShow(std::string path) {
  return [path = std::move(path)](host::ApplicationModel& application) {
    if (application.BookCount() == 0) throw host::Error::Standard(host::err::kObjectNotSet);
    SaveWorkbookAsXlsx(application.Book(application.BookCount()), path);
  };
}

}  // namespace gridkit::platform
