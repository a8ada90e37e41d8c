// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Restore.h"

#include "data/BackgroundBackup.h"
#include "data/Backups.h"
#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "data/FileLock.h"
#include "data/OpenCheck.h"
#include "data/SchemaUpgrade.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStringList>

namespace data {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Backups)
};

const QStringList kLogs = {QStringLiteral("-wal"), QStringLiteral("-shm")};

std::function<void(RestoreStep)>& hook() {
    static std::function<void(RestoreStep)> h;
    return h;
}

void reached(RestoreStep step) {
    if (hook())
        hook()(step);
}

void removeWithJournals(const QString& path) {
    for (const QString& suffix :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
}

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
        } catch (const DbError& e) {
            problem = e.message();
        }
    }
    return problem;
}

// Runs `job` on a connection of its own to `path`, closed afterwards (the last connection
// to close folds the log into the file). Empty on success, else the reason.
template <typename Job> QString withConnection(const QString& path, Job job) {
    const QString name = QStringLiteral("memorant-restore");
    QString reason;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            reason = db.lastError().text();
        } else {
            try {
                job(db);
            } catch (const DbError& e) {
                reason = e.message();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return reason;
}

bool logHasContent(const QString& path) {
    const QFileInfo wal(path + QStringLiteral("-wal"));
    return wal.exists() && wal.size() > 0;
}

// Copies `source` (with a log of its own) to `incoming`, brings it to this version with the
// identity `id` (when known), and checks it. Empty on success, else what failed.
QString prepareIncoming(const QString& source, const QString& incoming, const QString& id) {
    if (source != incoming) {
        removeWithJournals(incoming); // only ever a leftover of an interrupted restore
        if (!QFile::copy(source, incoming))
            return Text::tr("it could not be copied to \"%1\"").arg(incoming);
        if (logHasContent(source) &&
            !QFile::copy(source + QStringLiteral("-wal"), incoming + QStringLiteral("-wal")))
            return Text::tr("its log could not be copied to \"%1\"").arg(incoming);
    }
    QString reason = withConnection(incoming, [&](const QSqlDatabase& db) {
        upgradeSchema(db); // a backup made by an older version
        if (!id.isEmpty())
            exec(db, QStringLiteral("UPDATE DatabaseIdentity SET Id = ?"), {id});
    });
    if (reason.isEmpty() && logHasContent(incoming))
        reason = Text::tr("its log could not be folded in");
    if (reason.isEmpty()) {
        for (const QString& log : kLogs)
            QFile::remove(incoming + log);
        const FileCheck check = quickCheck(incoming);
        if (!check.sound)
            reason = Text::tr("the copy \"%1\" fails the check (%2)").arg(incoming, check.detail());
    }
    return reason;
}

} // namespace

void setRestoreHookForTesting(std::function<void(RestoreStep)> h) {
    hook() = std::move(h);
}

QString keptName(const QString& databasePath, const QString& tag, const QDateTime& now) {
    const QFileInfo info(databasePath);
    const QString base = info.absoluteDir().filePath(info.fileName() + QLatin1Char('.') + tag +
                                                     QLatin1Char('-') + timeStamp(now));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo::exists(name + QStringLiteral("-wal"));
         ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return name;
}

RestoreOutcome restoreBackup(const QString& databasePath, const QString& backupPath, Replacing what,
                             const QDateTime& now) {
    RestoreOutcome out;
    const FileCheck check = quickCheck(backupPath);
    if (!hasMemorantHeader(backupPath) || !check.sound) {
        out.message = Text::tr("The backup \"%1\" cannot be restored: it fails the check (%2)")
                          .arg(backupPath,
                               check.sound ? Text::tr("not a Memorant database") : check.detail());
        return out;
    }

    BackgroundBackup::waitForAll(); // a backup reading the file must end before it moves
    const QStringList wasOpen = closeOpenConnections();
    const QString incoming = databasePath + QStringLiteral(".restoring");
    const bool damaged = what == Replacing::DamagedFile;
    const QString kept = keptName(
        databasePath, damaged ? QStringLiteral("damaged") : QStringLiteral("before-restore"), now);
    QStringList movedLogs;
    const auto fail = [&](const QString& why) {
        removeWithJournals(incoming);
        for (const QString& log : movedLogs)
            QFile::rename(kept + log, databasePath + log);
        if (QFileInfo::exists(kept) && QFileInfo::exists(databasePath))
            QFile::remove(kept);
        reopen(wasOpen);
        out.message = Text::tr("The backup \"%1\" could not be restored: %2. The database "
                               "\"%3\" is as it was.")
                          .arg(backupPath, why, databasePath);
        return out;
    };

    // 1. Nothing of the file may stay behind in a log that the copy would inherit.
    const QString id = databaseId(databasePath);
    if (!damaged) {
        const QString reason = withConnection(databasePath, [](const QSqlDatabase& db) {
            exec(db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        });
        if (!reason.isEmpty() || logHasContent(databasePath))
            return fail(reason.isEmpty()
                            ? Text::tr("the log of the database could not be folded into it")
                            : Text::tr("the log of the database could not be folded into it "
                                       "(%1)")
                                  .arg(reason));
    }
    reached(RestoreStep::LogFolded);

    // 2. The copy, complete and checked, beside the file.
    if (const QString reason = prepareIncoming(backupPath, incoming, id); !reason.isEmpty())
        return fail(reason);
    reached(RestoreStep::CopyReady);

    // 3. The current file is kept as a copy of its own, never a second name of the same
    // file, which the program's later writes would reach were the restore stopped before
    // the swap. The copy is made beside it first, so a copy stopped midway is never taken
    // for a kept file. Its logs go with it.
    const QString keeping = databasePath + QStringLiteral(".keeping");
    QFile::remove(keeping); // only ever a leftover of an interrupted restore
    if (!QFile::copy(databasePath, keeping) || !replaceFile(keeping, kept)) {
        QFile::remove(keeping);
        return fail(Text::tr("the database could not be kept as \"%1\"").arg(kept));
    }
    for (const QString& log : kLogs) {
        if (!QFileInfo::exists(databasePath + log))
            continue;
        if (!damaged) {
            QFile::remove(databasePath + log); // empty once the log is folded in
        } else if (QFile::rename(databasePath + log, kept + log)) {
            movedLogs << log;
        } else {
            return fail(Text::tr("\"%1\" could not be moved").arg(databasePath + log));
        }
    }
    reached(RestoreStep::OldKept);

    // 4. One rename puts the copy in place; the program's lock is on it first.
    DatabaseLock* lock = DatabaseLock::heldFor(databasePath);
    if (lock && !lock->prepareMove(incoming))
        return fail(Text::tr("the copy could not be locked"));
    if (!replaceFile(incoming, databasePath)) {
        if (lock)
            lock->cancelMove();
        return fail(Text::tr("it could not be put in place"));
    }
    if (lock)
        lock->commitMove();
    reached(RestoreStep::Swapped);

    const QString problem = reopen(wasOpen);
    out.ok = true;
    out.keptAs = kept;
    if (!problem.isEmpty())
        out.message = Text::tr("The backup was restored, but reopening it failed: %1").arg(problem);
    return out;
}

RestoreOutcome putCopyInPlace(const QString& databasePath, const QString& copy) {
    RestoreOutcome out;
    const QString incoming = databasePath + QStringLiteral(".restoring");
    QString reason;
    if (QFileInfo::exists(databasePath))
        reason = Text::tr("\"%1\" exists").arg(databasePath);
    else
        reason = prepareIncoming(copy, incoming, {});
    if (reason.isEmpty() && !replaceFile(incoming, databasePath))
        reason = Text::tr("it could not be put in place");
    if (!reason.isEmpty()) {
        if (copy != incoming)
            removeWithJournals(incoming);
        out.message = Text::tr("\"%1\" could not be put in place of \"%2\": %3")
                          .arg(copy, databasePath, reason);
        return out;
    }
    out.ok = true;
    out.keptAs = copy;
    return out;
}

} // namespace data
