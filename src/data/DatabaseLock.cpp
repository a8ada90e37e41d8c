// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DatabaseLock.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSysInfo>

namespace data {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Database)
};

QList<DatabaseLock*>& holders() {
    static QList<DatabaseLock*> list;
    return list;
}

} // namespace

DatabaseLock::DatabaseLock(const QString& databasePath)
    : databasePath_(databasePath), lockPath_(lockFileFor(databasePath)), lock_(lockPath_) {
    // Never stale by age: a lesson may run for hours. A lock whose process is gone is still
    // recognised as stale and taken over.
    lock_.setStaleLockTime(0);
    holders().append(this);
}

DatabaseLock::~DatabaseLock() {
    holders().removeAll(this);
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

DatabaseLock* DatabaseLock::heldFor(const QString& databasePath) {
    const QString lockPath = lockFileFor(databasePath);
    for (DatabaseLock* l : holders()) {
        if (l->held() && l->lockPath_ == lockPath)
            return l;
    }
    return nullptr;
}

QString DatabaseLock::alreadyOpen() const {
    return Text::tr("The database \"%1\" is already open in another Memorant "
                    "program. Close that one first.")
        .arg(databasePath_);
}

// The lock file exists but names no process: what a power cut or a full disk leaves.
QString DatabaseLock::takeOverUnreadable() {
    if (QFileInfo::exists(databasePath_)) {
        FileLock probe;
        if (probe.tryLock(databasePath_) != FileLock::Result::Taken)
            return alreadyOpen();
    }
    if (!QFile::remove(lockPath_) || !lock_.tryLock(0))
        return Text::tr("The lock file \"%1\" of the database \"%2\" cannot be replaced. "
                        "Remove it by hand when no Memorant program is using the file.")
            .arg(QDir::toNativeSeparators(lockPath_), databasePath_);
    return {};
}

QString DatabaseLock::acquire() {
    if (lock_.isLocked())
        return {};
    // Checked first: root could write the lock file into a folder marked read-only.
    if (const QString problem = folderProblem(databasePath_); !problem.isEmpty())
        return problem;
    if (!lock_.tryLock(0)) {
        const QFileInfo info(lockPath_);
        const QString where = QDir::toNativeSeparators(lockPath_);
        if (lock_.error() == QLockFile::PermissionError)
            return folderNotWritableMessage(databasePath_);
        if (info.isDir())
            return Text::tr("The database \"%1\" cannot be locked: \"%2\" is a folder, "
                            "where its lock file belongs. Move that folder away.")
                .arg(databasePath_, where);
        QFile file(lockPath_);
        if (!file.open(QIODevice::ReadOnly))
            return Text::tr("The database \"%1\" cannot be locked: its lock file \"%2\" "
                            "cannot be read (%3). Remove it when no Memorant program is "
                            "using the file.")
                .arg(databasePath_, where, file.errorString());
        file.close();
        qint64 pid = 0;
        QString host, application;
        if (!lock_.getLockInfo(&pid, &host, &application)) {
            if (const QString refused = takeOverUnreadable(); !refused.isEmpty())
                return refused;
        } else if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
            return Text::tr("The database \"%1\" is locked by a Memorant program on "
                            "another computer, \"%2\" (lock file \"%3\"). Close it there; "
                            "if it no longer runs, remove the lock file.")
                .arg(databasePath_, host, where);
        } else if (lock_.error() == QLockFile::LockFailedError) {
            return alreadyOpen();
        } else {
            return Text::tr("The database \"%1\" cannot be locked for this program (lock "
                            "file \"%2\").")
                .arg(databasePath_, where);
        }
    }
    if (const QString refused = holdFile(); !refused.isEmpty()) {
        lock_.unlock();
        return refused;
    }
    return {};
}

QString DatabaseLock::holdFile() {
    if (file_.held() || !QFileInfo::exists(databasePath_))
        return {};
    switch (file_.tryLock(databasePath_)) {
    case FileLock::Result::Taken:
        return {};
    case FileLock::Result::Busy:
        // Held under another name of the same file: a hard link.
        return alreadyOpen();
    case FileLock::Result::Failed:
        break;
    }
    return Text::tr("The database \"%1\" cannot be locked for this program: it cannot be "
                    "opened for reading.")
        .arg(databasePath_);
}

void DatabaseLock::release() {
    incoming_.unlock();
    file_.unlock();
    lock_.unlock();
}

bool DatabaseLock::prepareMove(const QString& incoming) {
    return incoming_.tryLock(incoming) == FileLock::Result::Taken;
}

void DatabaseLock::commitMove() {
    file_.takeFrom(incoming_);
}

void DatabaseLock::cancelMove() {
    incoming_.unlock();
}

} // namespace data
