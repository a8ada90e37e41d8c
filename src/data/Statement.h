// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace data {

// A statement prepared once and run many times with new values, straight on the
// connection's SQLite handle: a sync runs a few statements hundreds of thousands of times,
// and QSqlQuery's own work per run (a record, a row cache, the values turned over twice)
// cost more than SQLite's. Values read back are the ones QSqlQuery gives (qint64, double,
// QString, QByteArray, a null QString for NULL). Where the handle belongs to another SQLite
// library, QSqlQuery does the work.
class Statement {
  public:
    // Prepares `sql`; throws DbError.
    Statement(const QSqlDatabase& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Runs it with these values in place of its "?"; a statement that returns no rows runs
    // to its end here, one that does is read with next(). Throws DbError.
    Statement& run(const QVariantList& binds);
    bool next();
    QVariant value(int column) const;
    QVariant lastInsertId() const;
    // Ends the reading, so the connection holds no read snapshot for it.
    void finish();

  private:
    sqlite3* raw_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    std::optional<QSqlQuery> q_;
    QString sql_;
    [[noreturn]] void fail() const;
};

} // namespace data
