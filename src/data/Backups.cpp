// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Backups.h"

#include "data/BackupRotation.h"
#include "data/FileLock.h"
#include "data/SideConnection.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <vector>

namespace data {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Backups)
};

const QStringList kJournals = {QStringLiteral("-journal"), QStringLiteral("-wal"),
                               QStringLiteral("-shm")};

void removeWithJournals(const QString& path) {
    QFile::remove(path);
    for (const QString& j : kJournals)
        QFile::remove(path + j);
}

QString recordPath(const QString& databasePath) {
    return QDir(backupFolder(databasePath))
        .filePath(QFileInfo(databasePath).fileName() + QStringLiteral(".last-backup"));
}

// The database and its write-ahead log as they are on disk: any committed write changes
// one of them.
QString fileState(const QString& databasePath) {
    QString state;
    for (const QString& file : {databasePath, databasePath + QStringLiteral("-wal")}) {
        const QFileInfo info(file);
        state += info.exists() ? QStringLiteral("%1 %2\n")
                                     .arg(info.size())
                                     .arg(info.lastModified().toMSecsSinceEpoch())
                               : QStringLiteral("-\n");
    }
    return state;
}

void writeRecord(const QString& databasePath, const QString& backupPath, const QString& state) {
    QSaveFile record(recordPath(databasePath));
    if (!record.open(QIODevice::WriteOnly))
        return; // the next start takes one more backup than needed
    record.write((QFileInfo(backupPath).fileName() + QLatin1Char('\n') + state).toUtf8());
    record.commit();
}

// Writes the copy into "<target>.partial", which `claim` holds, and renames it to `target`.
QString writeClaimed(const QString& databasePath, const FileLock& claim, const QString& target) {
    const QString partial = target + QStringLiteral(".partial");
    QString reason;
    {
        SideConnection side(databasePath);
        reason = side.open();
        if (!reason.isEmpty())
            reason = Text::tr("the database cannot be read (%1)").arg(reason);
        else if (!claim.stillAt(partial))
            reason = Text::tr("\"%1\" was removed while it was written").arg(partial);
        else {
            try {
                exec(side.db(), QStringLiteral("VACUUM INTO ?"), {partial});
            } catch (const DbError& e) {
                reason = Text::tr("writing \"%1\" failed (%2)").arg(partial, e.message());
            }
        }
    }
    if (reason.isEmpty() && !QFile::rename(partial, target))
        reason = Text::tr("\"%1\" could not be renamed to \"%2\"").arg(partial, target);
    if (!reason.isEmpty())
        removeWithJournals(partial);
    return reason;
}

} // namespace

bool backupDue(const QString& databasePath) {
    // Runs at every start before the window's first write: only the record and one file's
    // existence are looked at, no backup is opened.
    QFile record(recordPath(databasePath));
    if (!record.open(QIODevice::ReadOnly))
        return true;
    const QString text = QString::fromUtf8(record.readAll());
    const qsizetype firstLine = text.indexOf(QLatin1Char('\n'));
    if (firstLine < 0 || text.mid(firstLine + 1) != fileState(databasePath))
        return true;
    // The backup the record speaks of must still be there (rotation keeps the newest).
    const QString recorded = text.left(firstLine);
    return recorded.isEmpty() || recorded.contains(QLatin1Char('/')) ||
           !QFileInfo::exists(QDir(backupFolder(databasePath)).filePath(recorded));
}

QString copyDatabase(const QString& databasePath, const QString& target) {
    if (QFileInfo::exists(target))
        return Text::tr("\"%1\" already exists").arg(target);
    const QString partial = target + QStringLiteral(".partial");
    FileLock claim;
    switch (claim.tryLock(partial, /*create=*/true)) {
    case FileLock::Result::Taken:
        return writeClaimed(databasePath, claim, target);
    case FileLock::Result::Busy:
        return Text::tr("\"%1\" is being written by another backup").arg(partial);
    case FileLock::Result::Failed:
        break;
    }
    return Text::tr("\"%1\" cannot be made").arg(partial);
}

int removeStalePartials(const QString& databasePath) {
    const QDir folder(backupFolder(databasePath));
    int removed = 0;
    const QString suffix = QStringLiteral(".partial");
    for (const QFileInfo& f : folder.entryInfoList({QStringLiteral("*.partial")}, QDir::Files)) {
        if (!backupNameTime(databasePath, f.fileName(), suffix).isValid())
            continue;
        FileLock probe;
        if (probe.tryLock(f.absoluteFilePath()) != FileLock::Result::Taken)
            continue; // a backup is writing it
        removeWithJournals(f.absoluteFilePath());
        ++removed;
    }
    // A claim lives for a moment only (see FileLock): one an hour old was left by a program
    // killed while it claimed a name.
    constexpr qint64 kClaimOldSecs = 3600;
    const QDateTime anHourAgo = QDateTime::currentDateTime().addSecs(-kClaimOldSecs);
    for (const QFileInfo& f :
         folder.entryInfoList({QStringLiteral("*.partial.claim-*")}, QDir::Files | QDir::Hidden)) {
        if (f.lastModified() < anHourAgo && QFile::remove(f.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

BackupResult backUp(const QString& databasePath, const QDateTime& now) {
    BackupResult result;
    const QString folder = backupFolder(databasePath);
    const auto failed = [&](const QString& reason) {
        result.error = Text::tr("No backup of \"%1\" could be written to \"%2\": %3")
                           .arg(databasePath, folder, reason);
        return result;
    };
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return failed(Text::tr("the folder cannot be made"));
    removeStalePartials(databasePath);

    // Taken before the copy begins: a write made while it runs makes the next one due.
    const QString state = fileState(databasePath);
    // Two backups within one second, in one program or two: each claims a name of its own.
    for (int sequence = 1; result.path.isEmpty(); ++sequence) {
        const QString target = QDir(folder).filePath(backupFileName(databasePath, now, sequence));
        if (QFileInfo::exists(target))
            continue;
        FileLock claim;
        switch (claim.tryLock(target + QStringLiteral(".partial"), /*create=*/true)) {
        case FileLock::Result::Busy:
            continue; // claimed by another backup
        case FileLock::Result::Failed:
            return failed(Text::tr("\"%1.partial\" cannot be made").arg(target));
        case FileLock::Result::Taken:
            break;
        }
        if (QFileInfo::exists(target)) { // written between the look and the claim
            QFile::remove(target + QStringLiteral(".partial"));
            continue;
        }
        if (const QString reason = writeClaimed(databasePath, claim, target); !reason.isEmpty())
            return failed(reason);
        result.path = target;
    }
    writeRecord(databasePath, result.path, state);

    const QList<BackupFile> backups = listBackups(databasePath);
    std::vector<QDateTime> times;
    for (const BackupFile& b : backups)
        times.push_back(b.taken);
    const std::vector<bool> keep = backupsToKeep(times, now);
    for (qsizetype i = 0; i < backups.size(); ++i) {
        if (!keep[size_t(i)] && QFile::remove(backups[i].path))
            ++result.removed;
    }
    return result;
}

} // namespace data
