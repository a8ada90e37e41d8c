// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/OtherProgram.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace testing {

namespace {

const QString kName = QStringLiteral("other program");

// Runs `work` on an open connection to the file and closes it again.
template <typename Work> void withConnection(const QString& path, bool readOnly, Work work) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(path);
        if (readOnly)
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open())
            work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(kName);
}

} // namespace

QVariant readIn(const QString& path, const QString& sql) {
    QVariant value;
    if (QFileInfo::exists(path))
        withConnection(path, true, [&](QSqlDatabase& db) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                value = q.value(0);
        });
    return value;
}

bool writeIn(const QString& path, const QStringList& statements) {
    bool ok = false;
    withConnection(path, false, [&](QSqlDatabase& db) {
        ok = true;
        for (const QString& sql : statements)
            ok = ok && QSqlQuery(db).exec(sql);
    });
    return ok;
}

void whileLocked(const QString& path, const std::function<void()>& during) {
    withConnection(path, false, [&](QSqlDatabase& db) {
        QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        during();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    });
}

} // namespace testing
