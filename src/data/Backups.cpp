#include "data/Backups.h"

#include "data/BackupRotation.h"
#include "data/SideConnection.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace data {
namespace {

const QString kStampFormat = QStringLiteral("yyyy-MM-dd-HHmmss");
const QString kSuffix = QStringLiteral(".mdb");

QString nameOf(const QString& databasePath) {
    return QFileInfo(databasePath).completeBaseName();
}

} // namespace

QString backupFolder(const QString& databasePath) {
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("backups"));
}

QString timeStamp(const QDateTime& t) {
    return t.toString(kStampFormat);
}

QString backupFileName(const QString& databasePath, const QDateTime& taken) {
    return nameOf(databasePath) + QLatin1Char('-') + timeStamp(taken) + kSuffix;
}

QDateTime backupTakenAt(const QString& databasePath, const QString& fileName) {
    const QString prefix = nameOf(databasePath) + QLatin1Char('-');
    if (!fileName.startsWith(prefix) || !fileName.endsWith(kSuffix))
        return {};
    const QString stamp =
        fileName.mid(prefix.size(), fileName.size() - prefix.size() - kSuffix.size());
    if (stamp.size() != kStampFormat.size())
        return {};
    return QDateTime::fromString(stamp, kStampFormat);
}

QList<BackupFile> listBackups(const QString& databasePath) {
    QList<BackupFile> out;
    const QDir folder(backupFolder(databasePath));
    const QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& f : files) {
        const QDateTime taken = backupTakenAt(databasePath, f.fileName());
        if (taken.isValid())
            out.append({f.absoluteFilePath(), taken, f.size()});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const BackupFile& a, const BackupFile& b) { return a.taken > b.taken; });
    return out;
}

bool backupDue(const QString& databasePath) {
    const QList<BackupFile> backups = listBackups(databasePath);
    if (backups.isEmpty())
        return true;
    const QDateTime newest = backups.first().taken;
    for (const QString& file : {databasePath, databasePath + QStringLiteral("-wal")}) {
        const QFileInfo info(file);
        if (info.exists() && info.lastModified() >= newest)
            return true;
    }
    return false;
}

QString copyDatabase(const QString& databasePath, const QString& target) {
    if (QFileInfo::exists(target))
        return QStringLiteral("\"%1\" already exists").arg(target);
    // Written under a name of its own and renamed when complete, so that an interrupted copy
    // never passes for a backup.
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial); // only ever a leftover of an interrupted copy
    QString reason;
    {
        SideConnection side(databasePath);
        reason = side.open();
        if (reason.isEmpty()) {
            try {
                exec(side.db(), QStringLiteral("VACUUM INTO ?"), {partial});
            } catch (const DbError& e) {
                reason = e.message();
            }
        }
    }
    if (reason.isEmpty() && !QFile::rename(partial, target))
        reason = QStringLiteral("\"%1\" could not be written").arg(target);
    if (!reason.isEmpty())
        QFile::remove(partial);
    return reason;
}

BackupResult backUp(const QString& databasePath, const QDateTime& now) {
    BackupResult result;
    const QString folder = backupFolder(databasePath);
    const auto failed = [&](const QString& reason) {
        result.error = QStringLiteral("No backup of \"%1\" could be written to \"%2\": %3")
                           .arg(databasePath, folder, reason);
        return result;
    };
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return failed(QStringLiteral("the folder cannot be made"));

    // Two backups within one second: the later one takes the next free second.
    QDateTime taken = now;
    QString target = QDir(folder).filePath(backupFileName(databasePath, taken));
    while (QFileInfo::exists(target)) {
        taken = taken.addSecs(1);
        target = QDir(folder).filePath(backupFileName(databasePath, taken));
    }
    const QString reason = copyDatabase(databasePath, target);
    if (!reason.isEmpty())
        return failed(reason);
    result.path = target;

    const QList<BackupFile> backups = listBackups(databasePath);
    std::vector<QDateTime> times;
    for (const BackupFile& b : backups)
        times.push_back(b.taken);
    const std::vector<bool> keep = backupsToKeep(times, std::max(now, taken));
    for (qsizetype i = 0; i < backups.size(); ++i) {
        if (!keep[size_t(i)] && QFile::remove(backups[i].path))
            ++result.removed;
    }
    return result;
}

} // namespace data
