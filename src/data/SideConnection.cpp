// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SideConnection.h"

#include "data/FileLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <atomic>

namespace data {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Database)
};
} // namespace

SideConnection::SideConnection(const QString& path, bool readOnly) {
    // Unique per use: backups run on worker threads, and a Qt connection belongs to one thread.
    static std::atomic<int> counter{0};
    name_ = QStringLiteral("memorant-side-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    path_ = path;
    tidyLogs_ = readOnly && !QFileInfo::exists(path + QStringLiteral("-wal")) &&
                !QFileInfo::exists(path + QStringLiteral("-shm")) &&
                readers_.tryLockShared(QFileInfo(path).absolutePath()) == FileLock::Result::Taken;
}

SideConnection::~SideConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
    if (!tidyLogs_)
        return;
    const QFileInfo wal(path_ + QStringLiteral("-wal"));
    if (wal.exists() && wal.size() > 0)
        return; // someone wrote meanwhile: theirs
    // Another reader of this kind may still use them (another backup running beside this
    // one); and a program holding the file keeps its own.
    if (!readers_.tryMakeExclusive())
        return;
    FileLock nobodyElse;
    if (nobodyElse.tryLock(path_) != FileLock::Result::Taken)
        return;
    QFile::remove(path_ + QStringLiteral("-wal"));
    QFile::remove(path_ + QStringLiteral("-shm"));
}

QString SideConnection::open() {
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.open())
        return {};
    const QString reason = db.lastError().text();
    return reason.isEmpty() ? Text::tr("it cannot be opened") : reason;
}

QSqlDatabase SideConnection::db() const {
    return QSqlDatabase::database(name_, false);
}

} // namespace data
