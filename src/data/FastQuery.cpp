// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FastQuery.h"

#include "data/Sql.h"

#include <QAnyStringView>
#include <QSqlDriver>
#include <QSqlRecord>
#include <QUtf8StringView>
#include <sqlite3.h>

namespace data {
namespace {

bool qtForced = false;

sqlite3* driverHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.constData());
    return nullptr;
}

// Qt's driver names columns without the quotes of a quoted identifier.
QString columnName(const char* name) {
    return QString::fromUtf8(name).remove(QLatin1Char('"'));
}

} // namespace

sqlite3* sameLibraryHandle(const QSqlDatabase& db) {
    sqlite3* raw = driverHandle(db);
    if (!raw)
        return nullptr;
    // Checked once: the driver's version and source id against the linked library's.
    static const bool same = [&] {
        try {
            return scalar(db, QStringLiteral("SELECT sqlite_version() || ' ' || "
                                             "sqlite_source_id()"))
                       .toString() ==
                   QStringLiteral("%1 %2").arg(QString::fromUtf8(sqlite3_libversion()),
                                               QString::fromUtf8(sqlite3_sourceid()));
        } catch (const DbError&) {
            return false;
        }
    }();
    return same ? raw : nullptr;
}

bool stepToRow(sqlite3* raw, sqlite3_stmt* stmt, const QString& sql) {
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw DbError(QString::fromUtf8(sqlite3_errmsg(raw)) + QStringLiteral(" [") + sql +
                  QStringLiteral("]"));
}

QVariant columnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        return QVariant(QByteArray(bytes, sqlite3_column_bytes(stmt, column)));
    }
    default: {
        const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return QVariant(QString::fromUtf8(chars, sqlite3_column_bytes(stmt, column)));
    }
    }
}

void FastQuery::forceQtForTesting(bool qt) {
    qtForced = qt;
}

FastQuery::FastQuery(const QSqlDatabase& db, const QString& sql) : sql_(sql) {
    raw_ = qtForced ? nullptr : sameLibraryHandle(db);
    if (!raw_) {
        q_.emplace(exec(db, sql));
        const QSqlRecord record = q_->record();
        for (int i = 0; i < record.count(); ++i)
            columns_ << record.fieldName(i);
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(raw_, text.constData(), static_cast<int>(text.size()), &stmt_,
                           nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(raw_));
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw DbError(message + QStringLiteral(" [") + sql + QStringLiteral("]"));
    }
    const int n = sqlite3_column_count(stmt_);
    for (int i = 0; i < n; ++i)
        columns_ << columnName(sqlite3_column_name(stmt_, i));
}

FastQuery::~FastQuery() {
    sqlite3_finalize(stmt_);
}

bool FastQuery::next() {
    if (!stmt_)
        return q_->next();
    return stepToRow(raw_, stmt_, sql_);
}

QVariant FastQuery::value(int column) const {
    if (!stmt_)
        return q_->value(column);
    return columnValue(stmt_, column);
}

QVariant FastQuery::value(int column, const QVariant& same) const {
    if (stmt_ && same.typeId() == QMetaType::QString && !same.isNull() &&
        sqlite3_column_type(stmt_, column) == SQLITE_TEXT) {
        const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        const QUtf8StringView text(chars, sqlite3_column_bytes(stmt_, column));
        if (QAnyStringView::equal(text, *static_cast<const QString*>(same.constData())))
            return same;
    }
    return value(column);
}

} // namespace data
