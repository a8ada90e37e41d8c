#include "data/Restore.h"

#include "data/BackgroundBackup.h"
#include "data/Backups.h"
#include "data/Database.h"
#include "data/OpenCheck.h"
#include "data/SchemaUpgrade.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStringList>
#include <utility>
#include <vector>

namespace data {
namespace {

const QStringList kCompanions = {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")};

// Side connections belong to the threads that made them and close themselves.
bool isSide(const QString& name) {
    return name.startsWith(QStringLiteral("memorant-side-"));
}

QStringList closeOpenConnections() {
    QStringList wasOpen;
    for (const QString& name : QSqlDatabase::connectionNames()) {
        if (isSide(name))
            continue;
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen()) {
            wasOpen << name;
            db.close();
        }
    }
    return wasOpen;
}

QString reopen(const QStringList& names) {
    QString problem;
    for (const QString& name : names) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (!db.open()) {
            problem = db.lastError().text();
            continue;
        }
        try {
            configureConnection(db);
            if (name == kMainConnection)
                upgradeSchema(db); // a backup made by an older version
        } catch (const DbError& e) {
            problem = e.message();
        }
    }
    return problem;
}

} // namespace

QString keptName(const QString& databasePath, const QString& tag, const QDateTime& now) {
    const QFileInfo info(databasePath);
    const QString base = info.absoluteDir().filePath(info.completeBaseName() + QLatin1Char('.') +
                                                     tag + QLatin1Char('-') + timeStamp(now));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo::exists(name + QStringLiteral("-wal"));
         ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return name;
}

RestoreOutcome restoreBackup(const QString& databasePath, const QString& backupPath,
                             const QString& tag, const QDateTime& now) {
    RestoreOutcome out;
    const FileCheck check = quickCheck(backupPath);
    if (!hasMemorantHeader(backupPath) || !check.sound) {
        out.message =
            QStringLiteral("The backup \"%1\" cannot be restored: it fails the check (%2)")
                .arg(backupPath,
                     check.sound ? QStringLiteral("not a Memorant database") : check.detail());
        return out;
    }

    BackgroundBackup::waitForAll(); // a backup reading the file must end before it moves
    const QStringList wasOpen = closeOpenConnections();
    const QString kept = keptName(databasePath, tag, now);
    std::vector<std::pair<QString, QString>> moved; // from, to
    const auto putBack = [&](const QString& why) {
        for (auto it = moved.rbegin(); it != moved.rend(); ++it)
            QFile::rename(it->second, it->first);
        reopen(wasOpen);
        out.message = QStringLiteral("The backup \"%1\" could not be restored: %2. The database "
                                     "\"%3\" is as it was.")
                          .arg(backupPath, why, databasePath);
        return out;
    };

    for (const QString& suffix : kCompanions) {
        const QString from = databasePath + suffix;
        if (!QFileInfo::exists(from))
            continue;
        if (!QFile::rename(from, kept + suffix))
            return putBack(QStringLiteral("\"%1\" could not be renamed").arg(from));
        moved.emplace_back(from, kept + suffix);
    }
    // Copied under a name of its own first, so the database's name never holds half a copy.
    const QString incoming = databasePath + QStringLiteral(".restoring");
    QFile::remove(incoming); // only ever a leftover of an interrupted restore
    if (!QFile::copy(backupPath, incoming)) {
        QFile::remove(incoming);
        return putBack(QStringLiteral("it could not be copied beside the database"));
    }
    if (!QFile::rename(incoming, databasePath)) {
        QFile::remove(incoming);
        return putBack(QStringLiteral("it could not be put in place"));
    }
    const QString problem = reopen(wasOpen);
    out.ok = true;
    out.keptAs = kept;
    if (!problem.isEmpty())
        out.message =
            QStringLiteral("The backup was restored, but reopening it failed: %1").arg(problem);
    return out;
}

} // namespace data
