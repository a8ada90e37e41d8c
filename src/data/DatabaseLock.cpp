#include "data/DatabaseLock.h"

namespace data {

DatabaseLock::DatabaseLock(const QString& databasePath)
    : databasePath_(databasePath), lock_(databasePath + QStringLiteral(".lock")) {
    // Never stale by age: a lesson may run for hours. A lock whose process is gone is still
    // recognised as stale and taken over.
    lock_.setStaleLockTime(0);
}

QString DatabaseLock::acquire() {
    if (lock_.isLocked() || lock_.tryLock(0))
        return {};
    switch (lock_.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("The database \"%1\" is already open in another Memorant "
                              "program. Close that one first.")
            .arg(databasePath_);
    case QLockFile::PermissionError:
        return QStringLiteral("The folder of the database \"%1\" is not writable: the "
                              "database needs to write files beside it.")
            .arg(databasePath_);
    default:
        return QStringLiteral("The database \"%1\" cannot be locked for this program.")
            .arg(databasePath_);
    }
}

void DatabaseLock::release() {
    lock_.unlock();
}

} // namespace data
