// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/BackupNames.h"

#include "data/SideConnection.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace data {
namespace {

const QString kStampFormat = QStringLiteral("yyyy-MM-dd-HHmmss");
const QString kSuffix = QStringLiteral(".mdb");

QString wholeName(const QString& databasePath) {
    return QFileInfo(databasePath).fileName();
}

QString baseName(const QString& databasePath) {
    return QFileInfo(databasePath).completeBaseName();
}

bool isSqliteFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3\0", 16);
}

// Another database in the folder whose name without its extension is the same
// ("VIze.old" beside "VIze.mdb"): the old backup names cannot tell the two apart. Copies
// such as "VIze.damaged-<time>" are not other databases.
bool baseNameShared(const QString& databasePath) {
    const QFileInfo self(databasePath);
    const QFileInfoList files = self.absoluteDir().entryInfoList(QDir::Files);
    for (const QFileInfo& f : files) {
        if (f.fileName() == self.fileName() || f.completeBaseName() != self.completeBaseName() ||
            f.suffix().contains(QLatin1Char('-')) || f.suffix().isEmpty())
            continue;
        if (isSqliteFile(f.absoluteFilePath()))
            return true;
    }
    return false;
}

QDateTime parseName(const QString& name, const QString& fileName, const QString& suffix,
                    int* sequence) {
    const QString prefix = name + QLatin1Char('-');
    const QString end = kSuffix + suffix;
    if (!fileName.startsWith(prefix) || !fileName.endsWith(end))
        return {};
    const QString middle =
        fileName.mid(prefix.size(), fileName.size() - prefix.size() - end.size());
    int n = 1;
    QString stamp = middle;
    if (middle.size() > kStampFormat.size()) {
        if (middle.at(kStampFormat.size()) != QLatin1Char('-'))
            return {};
        bool ok = false;
        n = middle.mid(kStampFormat.size() + 1).toInt(&ok);
        if (!ok || n < 2)
            return {};
        stamp = middle.left(kStampFormat.size());
    }
    if (stamp.size() != kStampFormat.size())
        return {};
    if (sequence)
        *sequence = n;
    return QDateTime::fromString(stamp, kStampFormat);
}

} // namespace

QString backupFolder(const QString& databasePath) {
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("backups"));
}

QString timeStamp(const QDateTime& t) {
    return t.toString(kStampFormat);
}

QString backupFileName(const QString& databasePath, const QDateTime& taken, int sequence) {
    QString name = wholeName(databasePath) + QLatin1Char('-') + timeStamp(taken);
    if (sequence > 1)
        name += QStringLiteral("-%1").arg(sequence);
    return name + kSuffix;
}

QString databaseId(const QString& path) {
    if (!QFileInfo(path).isFile())
        return {};
    SideConnection side(path);
    if (!side.open().isEmpty())
        return {};
    try {
        return scalar(side.db(), QStringLiteral("SELECT Id FROM DatabaseIdentity LIMIT 1"))
            .toString();
    } catch (const DbError&) {
        return {}; // made before ids were stored, or unreadable
    }
}

QDateTime backupNameTime(const QString& databasePath, const QString& fileName,
                         const QString& suffix, int* sequence) {
    const QDateTime whole = parseName(wholeName(databasePath), fileName, suffix, sequence);
    if (whole.isValid() || wholeName(databasePath) == baseName(databasePath))
        return whole;
    return parseName(baseName(databasePath), fileName, suffix, sequence);
}

QList<BackupFile> listBackups(const QString& databasePath) {
    QList<BackupFile> out;
    const QDir folder(backupFolder(databasePath));
    const QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Name);
    if (files.isEmpty())
        return out;
    const QString ownId = databaseId(databasePath);
    int shared = -1; // worked out once, when an old name is met
    for (const QFileInfo& f : files) {
        BackupFile b{f.absoluteFilePath(), {}, f.size(), 1};
        b.taken = parseName(wholeName(databasePath), f.fileName(), {}, &b.sequence);
        const bool byWholeName = b.taken.isValid();
        if (!byWholeName && wholeName(databasePath) != baseName(databasePath))
            b.taken = parseName(baseName(databasePath), f.fileName(), {}, &b.sequence);
        if (!b.taken.isValid())
            continue;
        const QString id = databaseId(b.path);
        if (byWholeName) {
            if (!id.isEmpty() && !ownId.isEmpty() && id != ownId)
                continue; // another database's, under a file name this one now has
        } else {
            if (!id.isEmpty())
                continue;
            if (shared < 0)
                shared = baseNameShared(databasePath) ? 1 : 0;
            if (shared == 1)
                continue;
        }
        out.append(b);
    }
    std::stable_sort(out.begin(), out.end(), [](const BackupFile& a, const BackupFile& b) {
        return a.taken != b.taken ? a.taken > b.taken : a.sequence > b.sequence;
    });
    return out;
}

QStringList copiesBeside(const QString& databasePath) {
    const QFileInfo self(databasePath);
    QStringList names = {wholeName(databasePath)};
    if (baseName(databasePath) != wholeName(databasePath))
        names << baseName(databasePath);
    QFileInfoList found;
    for (const QFileInfo& f : self.absoluteDir().entryInfoList(QDir::Files)) {
        const QString n = f.fileName();
        if (n.endsWith(QStringLiteral("-wal")) || n.endsWith(QStringLiteral("-shm")) ||
            n.endsWith(QStringLiteral("-journal")))
            continue;
        for (const QString& name : names) {
            if (n == name + QStringLiteral(".restoring") ||
                n.startsWith(name + QStringLiteral(".before-restore-")) ||
                n.startsWith(name + QStringLiteral(".damaged-"))) {
                found << f;
                break;
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() > b.lastModified();
    });
    QStringList out;
    for (const QFileInfo& f : found)
        out << f.absoluteFilePath();
    return out;
}

QList<BackupFile> keptCopies(const QString& databasePath) {
    QList<BackupFile> out;
    for (const QString& path : copiesBeside(databasePath)) {
        const QFileInfo f(path);
        const QString name = f.fileName();
        BackupFile b{path, {}, f.size(), 1, BackupFile::Kind::Backup};
        QString tag;
        for (const auto& [kind, t] :
             {std::pair{BackupFile::Kind::BeforeRestore, ".before-restore-"},
              std::pair{BackupFile::Kind::Damaged, ".damaged-"}}) {
            const int at = int(name.lastIndexOf(QLatin1String(t)));
            if (at >= 0) {
                b.kind = kind;
                tag = name.mid(at + int(qstrlen(t)));
                break;
            }
        }
        if (tag.isEmpty())
            continue; // ".restoring": a restore that has not finished
        b.taken = QDateTime::fromString(tag.left(kStampFormat.size()), kStampFormat);
        if (!b.taken.isValid())
            b.taken = f.lastModified();
        out.append(b);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const BackupFile& a, const BackupFile& b) { return a.taken > b.taken; });
    return out;
}

} // namespace data
