#include "host/spreadsheet/model/application_model.h"
#include "tests/support/error_of.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/error.h"
#include "host/spreadsheet/model/spreadsheet_model_factory.h"

namespace gridkit::host {
namespace {

using gridkit::test_support::ErrorOf;

TEST(ApplicationModelTest, WorkbooksAreNumberedPerApplication) {
  SpreadsheetModelFactory factory;
  auto first = factory.Start();
  EXPECT_EQ(first->Workbooks().Add().Name(), "Book1");
  EXPECT_EQ(first->Workbooks().Add().Name(), "Book2");
  auto second = factory.Start();
  EXPECT_EQ(second->Workbooks().Add().Name(), "Book1");
  EXPECT_EQ(first->Workbooks().Count(), 2);
  EXPECT_EQ(second->Workbooks().Count(), 1);
  EXPECT_EQ(first->Workbooks().Item("Book2").Name(), "Book2");
  EXPECT_EQ(first->Workbooks().Item(1).Name(), "Book1");
}

TEST(ApplicationModelTest, ANewWorkbookHasOneSheetCalledSheet1) {
  SpreadsheetModelFactory factory;
  Workbook& book = factory.Start()->Workbooks().Add();
  ASSERT_EQ(book.Sheets().Count(), 1);
  EXPECT_EQ(book.Sheets().Item(1).Name(), "Sheet1");
  EXPECT_EQ(&book.Sheets().Item("Sheet1"), &book.Sheets().Item(1));
}

TEST(ApplicationModelTest, TheNewestWorkbookIsTheFirstWindow) {
  SpreadsheetModelFactory factory;
  auto app = factory.Start();
  app->Workbooks().Add();
  EXPECT_EQ(app->Windows().Item(1).Caption(), "Book1");
  app->Workbooks().Add();
  ASSERT_EQ(app->Windows().Count(), 2);
  EXPECT_EQ(app->Windows().Item(1).Caption(), "Book2");
  EXPECT_EQ(app->Windows().Item(2).Caption(), "Book1");
}

TEST(ApplicationModelTest, MissingItemsRaiseSubscriptOutOfRange) {
  SpreadsheetModelFactory factory;
  auto app = factory.Start();
  Workbook& book = app->Workbooks().Add();
  EXPECT_EQ(ErrorOf([&] { book.Sheets().Item("Nope"); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { book.Sheets().Item(2); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { book.Sheets().Item(0); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { app->Workbooks().Item("Book9"); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { app->Workbooks().Item(2); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { app->Windows().Item(2); }), err::kSubscriptOutOfRange);
}

TEST(ApplicationModelTest, StartsInvisibleAndHandsOverOnceShown) {
  int shows = 0;
  SpreadsheetModelFactory factory({}, [&](ApplicationModel& app) {
    ++shows;
    EXPECT_TRUE(app.Visible());
  });
  auto app = factory.Start();
  EXPECT_FALSE(app->Visible());
  app->setVisible(true);
  app->setVisible(true);
  EXPECT_TRUE(app->Visible());
  EXPECT_EQ(shows, 1);
}

TEST(SpreadsheetModelFactoryTest, KeepsEveryApplicationItStarted) {
  SpreadsheetModelFactory factory;
  EXPECT_EQ(ErrorOf([&] { factory.Last(); }), err::kObjectNotSet);
  SpreadsheetFactory start = factory.Factory();
  auto first = start();
  auto second = start();
  ASSERT_EQ(factory.Started().size(), 2u);
  EXPECT_EQ(factory.Started()[0].get(), first.get());
  EXPECT_EQ(&factory.Last(), second.get());
  EXPECT_NE(first.get(), second.get());
}

TEST(SpreadsheetModelFactoryTest, AnUnavailableApplicationCannotBeCreated) {
  SpreadsheetModelFactory factory;
  factory.setUnavailable(true);
  SpreadsheetFactory start = factory.Factory();
  try {
    start();
    ADD_FAILURE() << "starting did not raise";
  } catch (const Error& error) {
    EXPECT_EQ(error.Number(), err::kCannotCreateObject);
    EXPECT_EQ(error.Description(), "ActiveX component can't create object");
  }
  EXPECT_TRUE(factory.Started().empty());
  factory.setUnavailable(false);
  EXPECT_NE(start(), nullptr);
}

class OpenCsvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::path(::testing::TempDir()) /
              ("gridkit_open_csv_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& content) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  std::filesystem::path folder_;
};

TEST_F(OpenCsvTest, OpensACommaSeparatedFileAsAWorkbook) {
  const std::string path = Write(
      "Sales.csv", "Name,Amount,When\r\nWidget,\"1,234.50\",5/3/2004\r\n\"a, \"\"b\"\"\",007,\r\n");
  SpreadsheetModelFactory factory;
  auto app = factory.Start();
  Workbook& book = app->Workbooks().Open(path);

  EXPECT_EQ(book.Name(), "Sales.csv");
  EXPECT_EQ(app->Windows().Item(1).Caption(), "Sales.csv");
  ASSERT_EQ(book.Sheets().Count(), 1);
  auto& sheet = static_cast<WorksheetModel&>(book.Sheets().Item(1));
  EXPECT_EQ(sheet.Name(), "Sales");
  EXPECT_EQ(sheet.Cell(1, 1).text, "Name");
  EXPECT_EQ(sheet.Cell(2, 1).text, "Widget");
  EXPECT_EQ(sheet.Cell(2, 2).kind, CellKind::Number);
  EXPECT_DOUBLE_EQ(sheet.Cell(2, 2).number, 1234.5);
  EXPECT_EQ(sheet.Cell(2, 3).kind, CellKind::Date);
  EXPECT_DOUBLE_EQ(sheet.Cell(2, 3).number, 38051);
  EXPECT_EQ(sheet.Cell(3, 1).text, "a, \"b\"");
  EXPECT_EQ(sheet.Cell(3, 2).kind, CellKind::Text);
  EXPECT_EQ(sheet.Cell(3, 2).text, "007");
  EXPECT_EQ(sheet.Cell(3, 3).kind, CellKind::Empty);
  EXPECT_EQ(sheet.LastRow(), 3);
}

TEST_F(OpenCsvTest, AMissingFileRaisesApplicationDefinedError) {
  SpreadsheetModelFactory factory;
  auto app = factory.Start();
  const std::string path = (folder_ / "none.csv").string();
  try {
    app->Workbooks().Open(path);
    ADD_FAILURE() << "opening a missing file did not raise";
  } catch (const Error& error) {
    EXPECT_EQ(error.Number(), err::kApplicationDefined);
    EXPECT_NE(error.Description().find(path), std::string::npos);
  }
  EXPECT_EQ(app->Workbooks().Count(), 0);
}

}  // namespace
}  // namespace gridkit::host
