#include "platform/qt/sqlite_query.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include "host/error.h"
#include "host/text/number_text.h"

namespace gridkit::platform {

namespace {

std::string ValueText(const QVariant& value) {
  if (value.isNull()) return {};
  if (value.typeId() == QMetaType::Double) return host::PlainNumberText(value.toDouble());
  return value.toString().toStdString();
}

QueryTable Run(QSqlDatabase& db, const std::string& databasePath, const std::string& sql) {
  db.setDatabaseName(QString::fromStdString(databasePath));
  db.setConnectOptions("QSQLITE_OPEN_READONLY");
  if (!db.open()) {
    throw host::Error(host::err::kPathFileAccess,
                      "Cannot open " + databasePath + ": " + db.lastError().text().toStdString());
  }
  QueryTable table;
  {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromStdString(sql))) {
      throw host::Error(host::err::kApplicationDefined,
                        "Query failed: " + query.lastError().text().toStdString());
    }
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
      table.fieldNames.push_back(record.fieldName(i).toStdString());
    }
    while (query.next()) {
      std::vector<std::string> row;
      row.reserve(table.fieldNames.size());
      for (int i = 0; i < record.count(); ++i)
        row.push_back(ValueText(query.value(i)));
      table.rows.push_back(std::move(row));
    }
  }
  db.close();
  return table;
}

}  // namespace

QueryTable RunSqliteQuery(const std::string& databasePath, const std::string& sql) {
  // SQLite would create a missing database; a missing file is an error here.
  if (!QFileInfo::exists(QString::fromStdString(databasePath))) {
    throw host::Error(host::err::kFileNotFound, "File not found: " + databasePath);
  }
  QueryTable table;
  // A connection name of its own for this call, unique while it runs.
  const QString name =
      QStringLiteral("gridkit-query-%1").arg(reinterpret_cast<quintptr>(&table), 0, 16);
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
    if (!db.isValid()) {
      throw host::Error(host::err::kCannotCreateObject, "The Qt SQLite driver is not available");
    }
    try {
      table = Run(db, databasePath, sql);
    } catch (...) {
      db = QSqlDatabase();
      QSqlDatabase::removeDatabase(name);
      throw;
    }
  }
  QSqlDatabase::removeDatabase(name);
  return table;
}

}  // namespace gridkit::platform
