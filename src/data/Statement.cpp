// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Statement.h"

#include "data/FastQuery.h"
#include "data/Sql.h"

#include <QSqlError>
#include <sqlite3.h>

namespace data {
namespace {

int bindOne(sqlite3_stmt* stmt, int i, const QVariant& v) {
    if (v.isNull())
        return sqlite3_bind_null(stmt, i);
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, i, v.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(stmt, i, v.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray* bytes = static_cast<const QByteArray*>(v.constData());
        // A null text or byte array is NULL, as Qt's driver binds it.
        if (bytes->isNull())
            return sqlite3_bind_null(stmt, i);
        return sqlite3_bind_blob64(stmt, i, bytes->constData(),
                                   static_cast<sqlite3_uint64>(bytes->size()), SQLITE_TRANSIENT);
    }
    case QMetaType::QString: {
        const QString* text = static_cast<const QString*>(v.constData());
        if (text->isNull())
            return sqlite3_bind_null(stmt, i);
        return sqlite3_bind_text16(stmt, i, text->utf16(),
                                   static_cast<int>(text->size() * sizeof(char16_t)),
                                   SQLITE_TRANSIENT);
    }
    default: {
        const QString text = v.toString();
        return sqlite3_bind_text16(stmt, i, text.utf16(),
                                   static_cast<int>(text.size() * sizeof(char16_t)),
                                   SQLITE_TRANSIENT);
    }
    }
}

} // namespace

Statement::Statement(const QSqlDatabase& db, const QString& sql) : sql_(sql) {
    raw_ = sameLibraryHandle(db);
    if (!raw_) {
        q_.emplace(db);
        q_->setForwardOnly(true);
        if (!q_->prepare(sql))
            throw DbError(q_->lastError().text() + QStringLiteral(" [") + sql +
                          QStringLiteral("]"));
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v3(raw_, text.constData(), static_cast<int>(text.size()),
                           SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(raw_));
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw DbError(message + QStringLiteral(" [") + sql + QStringLiteral("]"));
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::fail() const {
    throw DbError(QString::fromUtf8(sqlite3_errmsg(raw_)) + QStringLiteral(" [") + sql_ +
                  QStringLiteral("]"));
}

Statement& Statement::run(const QVariantList& binds) {
    if (!stmt_) {
        for (int i = 0; i < binds.size(); ++i)
            q_->bindValue(i, binds[i]);
        if (!q_->exec())
            throw DbError(q_->lastError().text() + QStringLiteral(" [") + sql_ +
                          QStringLiteral("]"));
        return *this;
    }
    sqlite3_reset(stmt_);
    for (int i = 0; i < binds.size(); ++i)
        if (bindOne(stmt_, i + 1, binds[i]) != SQLITE_OK)
            fail();
    if (sqlite3_column_count(stmt_) == 0) {
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW)
            fail();
        sqlite3_reset(stmt_);
    }
    return *this;
}

bool Statement::next() {
    if (!stmt_)
        return q_->next();
    return stepToRow(raw_, stmt_, sql_);
}

QVariant Statement::value(int column) const {
    if (!stmt_)
        return q_->value(column);
    return columnValue(stmt_, column);
}

QVariant Statement::lastInsertId() const {
    if (!stmt_)
        return q_->lastInsertId();
    return QVariant(static_cast<qlonglong>(sqlite3_last_insert_rowid(raw_)));
}

void Statement::finish() {
    if (stmt_)
        sqlite3_reset(stmt_);
    else
        q_->finish();
}

} // namespace data
