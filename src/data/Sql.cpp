// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Sql.h"

#include <QCoreApplication>
#include <QSqlError>

namespace data {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Database)
};
} // namespace

QSqlQuery exec(const QSqlDatabase& db, const QString& sql, const QVariantList& binds) {
    QSqlQuery q(db);
    q.setForwardOnly(true); // every reader walks its rows once
    if (!q.prepare(sql))
        throw DbError(q.lastError().text() + QStringLiteral(" [") + sql + QStringLiteral("]"));
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec())
        throw DbError(q.lastError().text() + QStringLiteral(" [") + sql + QStringLiteral("]"));
    return q;
}

QVariant scalar(const QSqlDatabase& db, const QString& sql, const QVariantList& binds) {
    QSqlQuery q = exec(db, sql, binds);
    return q.next() ? q.value(0) : QVariant();
}

// The write lock is taken at the start, waiting for it there: a transaction that read first
// and wrote later would fail at once, without waiting, had another connection (a sync)
// written in between, as SQLite cannot move a reader that saw an older state on to writing.
Transaction::Transaction(const QSqlDatabase& db) : db_(db) {
    QSqlQuery begin(db_);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        throw DbError(Text::tr("Cannot start a transaction: %1").arg(begin.lastError().text()));
}

Transaction::~Transaction() {
    if (!done_)
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
}

void Transaction::commit() {
    QSqlQuery end(db_);
    if (!end.exec(QStringLiteral("COMMIT")))
        throw DbError(Text::tr("Cannot commit: %1").arg(end.lastError().text()));
    done_ = true;
}

QString quoteIdentifier(const QString& name) {
    QString inner = name;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

Prepared::Prepared(const QSqlDatabase& db, const QString& sql) : q_(db) {
    if (!q_.prepare(sql))
        throw DbError(q_.lastError().text());
}

QVariant Prepared::run(std::initializer_list<QVariant> binds) {
    int i = 0;
    for (const QVariant& v : binds)
        q_.bindValue(i++, v);
    if (!q_.exec())
        throw DbError(q_.lastError().text());
    return q_.lastInsertId();
}

} // namespace data
