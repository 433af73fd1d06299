#include "platform/xlsx/xlsx_save.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/error.h"
#include "host/spreadsheet/model/spreadsheet_model_factory.h"

namespace gridkit {
namespace {

namespace fs = std::filesystem;

class XlsxSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("gridkit-xlsx-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    app_ = factory_.Start();
    app_->Workbooks().Add();
    book_ = &app_->Book(1);
  }
  void TearDown() override { fs::remove_all(dir_); }

  host::WorksheetModel& Sheet() { return book_->Sheet(1); }
  std::vector<std::string> FilesInDir() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names.push_back(entry.path().filename());
    return names;
  }

  fs::path dir_;
  host::SpreadsheetModelFactory factory_;
  std::shared_ptr<host::ApplicationModel> app_;
  host::WorkbookModel* book_ = nullptr;
};

TEST_F(XlsxSaveTest, WritesAZipWorkbookUnderTheTargetNameOnly) {
  Sheet().Range("A1").setFormulaR1C1("Region");
  Sheet().Range("B2").setFormulaR1C1("12.50");
  const fs::path target = dir_ / "out.xlsx";
  platform::SaveWorkbookAsXlsx(*book_, target);

  std::ifstream file(target, std::ios::binary);
  char magic[2] = {};
  file.read(magic, 2);
  EXPECT_EQ(std::string(magic, 2), "PK");
  EXPECT_EQ(FilesInDir(), std::vector<std::string>{"out.xlsx"});
}

TEST_F(XlsxSaveTest, AMillionCellsInFiveStylesWriteFiveFormats) {
  const char* formats[] = {"#,##0", "#,##0.00", "d-MM-yyyy", "0%", "#,##0.000"};
  for (int32_t r = 1; r <= 100000; ++r) {
    for (int32_t c = 1; c <= 10; ++c) {
      host::Range cell(Sheet(), host::CellArea::Cell(r, c));
      cell.setNumberFormat(formats[(r + c) % 5]);
      cell.setValue(static_cast<double>(r * c));
    }
  }
  EXPECT_EQ(platform::SaveWorkbookAsXlsx(*book_, dir_ / "big.xlsx"), 5u);
}

TEST_F(XlsxSaveTest, AFolderThatCannotBeWrittenRaisesAndLeavesNoFile) {
  Sheet().Range("A1").setFormulaR1C1("x");
  const fs::path missing = dir_ / "no-such-folder" / "out.xlsx";
  try {
    platform::SaveWorkbookAsXlsx(*book_, missing);
    FAIL() << "the save did not fail";
  } catch (const host::Error& error) {
    EXPECT_EQ(error.Number(), host::err::kPathFileAccess);
    EXPECT_NE(error.Description().find(missing.string()), std::string::npos);
  }
  EXPECT_TRUE(FilesInDir().empty());
}

TEST_F(XlsxSaveTest, AFolderAsTargetRaisesAndKeepsTheFolder) {
  Sheet().Range("A1").setFormulaR1C1("x");
  const fs::path target = dir_ / "taken";
  fs::create_directory(target);
  EXPECT_THROW(platform::SaveWorkbookAsXlsx(*book_, target), host::Error);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(FilesInDir(), std::vector<std::string>{"taken"});
}

TEST_F(XlsxSaveTest, AFullDiskRaisesDiskFullAndLeavesNoFile) {
  Sheet().Range("A1").setFormulaR1C1("x");
  const fs::path target = dir_ / "out.xlsx";
  // The partial file the save writes first leads to a device that is always full.
  fs::create_symlink("/dev/full", target.string() + ".partial-" + std::to_string(getpid()));
  try {
    platform::SaveWorkbookAsXlsx(*book_, target);
    FAIL() << "the save did not fail";
  } catch (const host::Error& error) {
    EXPECT_EQ(error.Number(), host::err::kDiskFull) << error.Description();
  }
  EXPECT_TRUE(FilesInDir().empty());
}

TEST_F(XlsxSaveTest, ShowingTheApplicationSavesItsNewestWorkbook) {
  const fs::path target = dir_ / "shown.xlsx";
  host::SpreadsheetModelFactory factory({}, platform::SaveOnShow(target));
  auto app = factory.Start();
  app->Workbooks().Add().Sheets().Item(1).Range("A1").setFormulaR1C1("x");
  EXPECT_FALSE(fs::exists(target));
  app->setVisible(true);
  EXPECT_TRUE(fs::exists(target));
}

}  // namespace
}  // namespace gridkit
