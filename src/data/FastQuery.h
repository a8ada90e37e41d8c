// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace data {

// A forward-only SELECT read straight from the connection's SQLite handle, for readers of
// many rows (a set of 10,000 cards): QSqlQuery copies every row into a cache of its own and
// builds a record per call, which costs more than SQLite's own work. The values are the
// ones QSqlQuery gives (qint64, double, QString, QByteArray, and a null QString for NULL),
// so a caller cannot tell the two apart. Where Qt's driver is built on another SQLite
// library than the one linked here, the handle is not used and QSqlQuery does the reading.
class FastQuery {
  public:
    // Prepares and starts `sql`; throws DbError.
    FastQuery(const QSqlDatabase& db, const QString& sql);
    ~FastQuery();
    FastQuery(const FastQuery&) = delete;
    FastQuery& operator=(const FastQuery&) = delete;

    const QStringList& columns() const { return columns_; }
    bool next();
    QVariant value(int column) const;
    // The value, or `same` itself when both are the same text: a text repeated in every row
    // (a set's name) is then held once instead of once a row.
    QVariant value(int column, const QVariant& same) const;

    // Whether the handle is read directly (false: QSqlQuery does the work).
    bool direct() const { return stmt_ != nullptr; }
    static void forceQtForTesting(bool qt);

  private:
    sqlite3* raw_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    std::optional<QSqlQuery> q_;
    QStringList columns_;
    QString sql_;
};

// The SQLite handle under a connection, when it belongs to the SQLite library linked into
// this program (on Debian Qt's driver uses the system library); null otherwise.
sqlite3* sameLibraryHandle(const QSqlDatabase& db);

// Steps a statement: true on a row, false at its end; throws DbError naming `sql`.
bool stepToRow(sqlite3* raw, sqlite3_stmt* stmt, const QString& sql);

// A column of the row a statement stands on, as QSqlQuery would give it.
QVariant columnValue(sqlite3_stmt* stmt, int column);

} // namespace data
