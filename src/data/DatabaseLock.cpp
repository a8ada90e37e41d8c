#include "data/DatabaseLock.h"

#include "data/Database.h"

#include <QDir>
#include <QFileInfo>

namespace data {

DatabaseLock::DatabaseLock(const QString& databasePath)
    : databasePath_(databasePath), lock_(lockFileFor(databasePath)) {
    // Never stale by age: a lesson may run for hours. A lock whose process is gone is still
    // recognised as stale and taken over.
    lock_.setStaleLockTime(0);
}

QString DatabaseLock::lockFileFor(const QString& databasePath) {
    const QFileInfo info(databasePath);
    // An existing file is named by its real path, so a link to it shares its lock; a file
    // still to be made by its real folder and its name.
    QString real = info.exists() ? info.canonicalFilePath() : QString();
    if (real.isEmpty()) {
        const QString folder = info.absoluteDir().canonicalPath();
        real = folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
    }
    return real + QStringLiteral(".lock");
}

QString DatabaseLock::acquire() {
    if (lock_.isLocked())
        return {};
    // Checked first: root could write the lock file into a folder marked read-only.
    if (const QString problem = folderProblem(databasePath_); !problem.isEmpty())
        return problem;
    if (lock_.tryLock(0))
        return {};
    switch (lock_.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("The database \"%1\" is already open in another Memorant "
                              "program. Close that one first.")
            .arg(databasePath_);
    case QLockFile::PermissionError:
        return folderNotWritableMessage(databasePath_);
    default:
        return QStringLiteral("The database \"%1\" cannot be locked for this program.")
            .arg(databasePath_);
    }
}

void DatabaseLock::release() {
    lock_.unlock();
}

} // namespace data
