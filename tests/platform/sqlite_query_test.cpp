#include "platform/qt/sqlite_query.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <filesystem>

#include "host/error.h"

namespace gridkit {
namespace {

namespace fs = std::filesystem;

class SqliteQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = fs::temp_directory_path() / ("gridkit-sqlite-" + std::to_string(getpid()) + ".db");
    fs::remove(path_);
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "gridkit-test-setup");
      db.setDatabaseName(QString::fromStdString(path_.string()));
      ASSERT_TRUE(db.open());
      QSqlQuery q(db);
      ASSERT_TRUE(q.exec("CREATE TABLE sales (region TEXT, qty INTEGER, price REAL, note TEXT)"));
      ASSERT_TRUE(
          q.exec("INSERT INTO sales VALUES ('North', 12, 12.5, NULL), ('South', 7, 3.0, 'x')"));
      db.close();
    }
    QSqlDatabase::removeDatabase("gridkit-test-setup");
  }
  void TearDown() override { fs::remove(path_); }

  fs::path path_;
};

TEST_F(SqliteQueryTest, GivesFieldNamesAndRowsAsText) {
  const platform::QueryTable table =
      platform::RunSqliteQuery(path_.string(), "SELECT * FROM sales ORDER BY region");
  EXPECT_EQ(table.fieldNames, (std::vector<std::string>{"region", "qty", "price", "note"}));
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0], (std::vector<std::string>{"North", "12", "12.5", ""}));
  EXPECT_EQ(table.rows[1], (std::vector<std::string>{"South", "7", "3", "x"}));
}

TEST_F(SqliteQueryTest, ABadQueryRaisesWithTheDatabaseText) {
  try {
    platform::RunSqliteQuery(path_.string(), "SELECT nope FROM sales");
    FAIL() << "no error";
  } catch (const host::Error& error) {
    EXPECT_NE(error.Description().find("nope"), std::string::npos);
  }
}

TEST_F(SqliteQueryTest, AMissingDatabaseIsNotCreated) {
  const fs::path missing = path_.string() + ".missing";
  EXPECT_THROW(platform::RunSqliteQuery(missing.string(), "SELECT 1"), host::Error);
  EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
}  // namespace gridkit
