// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Database.h"

#include "data/BackgroundBackup.h"
#include "data/LockWait.h"
#include "data/OpenCheck.h"
#include "data/SampleSet.h"
#include "data/SchemaUpgrade.h"
#include "data/Sql.h"
#include "data/WalCheckpoints.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace data {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Database)
};

// Tables a file must hold to be taken for ours.
const QStringList kRequiredTables = {QStringLiteral("Set1"),           QStringLiteral("Card"),
                                     QStringLiteral("Set_Card_rel"),   QStringLiteral("Log"),
                                     QStringLiteral("Fields"),         QStringLiteral("Fields1"),
                                     QStringLiteral("MultipleAnswers")};

QString refusal(const QString& path, const QString& reason) {
    return Text::tr("Cannot open the database \"%1\": %2").arg(path, reason);
}

QSqlDatabase addConnection(const QString& name, const QString& path, const QString& options) {
    if (QSqlDatabase::contains(name))
        QSqlDatabase::removeDatabase(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(options);
    return db;
}

QStringList statementsOf(const QString& script) {
    QStringList out;
    for (const QString& part : script.split(QStringLiteral("\n-- ;;"))) {
        QString text;
        for (const QString& line : part.split(QLatin1Char('\n'))) {
            if (!line.trimmed().startsWith(QStringLiteral("--")))
                text += line + QLatin1Char('\n');
        }
        if (!text.trimmed().isEmpty())
            out << text.trimmed();
    }
    return out;
}

std::function<void()>& creationHook() {
    static std::function<void()> hook;
    return hook;
}

void removeWithJournals(const QString& path) {
    for (const QString& suffix :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
}

// Writable by this user, and not marked read-only: root may write anywhere, yet a file or
// folder whose owner took every write permission away is meant to stay as it is.
bool writable(const QFileInfo& info) {
    const auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & anyWrite) && info.isWritable();
}

// The new file is made complete under a name of its own beside the target and only then
// renamed into place, so a kill during the first start never leaves a half-made file that
// every later start would refuse.
QString createNew(const QString& path) {
    const QString temporary = path + QStringLiteral(".new");
    removeWithJournals(temporary); // left by a start that was killed
    const QString creation = QStringLiteral("memorant-create");
    QString failure;
    {
        QSqlDatabase db = addConnection(creation, temporary, {});
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            try {
                exec(db, QStringLiteral("PRAGMA foreign_keys = ON"));
                Transaction t(db);
                createSchema(db);
                seedNewDatabase(db);
                exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
                if (creationHook())
                    creationHook()();
                t.commit();
                // Kept in the file; closing the only connection folds the log back in.
                exec(db, QStringLiteral("PRAGMA journal_mode = WAL"));
            } catch (const DbError& e) {
                failure = e.message();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(creation);
    if (failure.isEmpty() && !QFile::rename(temporary, path))
        failure = Text::tr("it could not be put in place");
    if (!failure.isEmpty()) {
        removeWithJournals(temporary);
        return refusal(path, Text::tr("it could not be created (%1)").arg(failure));
    }
    QSqlDatabase db = addConnection(kMainConnection, path, {});
    if (!db.open())
        return refusal(path, db.lastError().text());
    try {
        configureConnection(db);
    } catch (const DbError& e) {
        db.close();
        return refusal(path, e.message());
    }
    return {};
}

} // namespace

void configureConnection(const QSqlDatabase& db) {
    exec(db, QStringLiteral("PRAGMA foreign_keys = ON"));
    exec(db, QStringLiteral("PRAGMA journal_mode = WAL"));
    // With WAL, NORMAL never corrupts the file; at worst a power cut loses the last replies.
    // FULL would wait for the disk on every judged reply.
    exec(db, QStringLiteral("PRAGMA synchronous = NORMAL"));
    // Writing through a stored query builds a small scratch table; kept in memory it costs
    // no temporary file on every judged reply.
    exec(db, QStringLiteral("PRAGMA temp_store = MEMORY"));
    exec(db, QStringLiteral("PRAGMA cache_size = -65536"));
    waitForLock(db);
    walCheckpoints::attach(db);
}

void createSchema(const QSqlDatabase& db) {
    for (const QString& statement : statementsOf(schemaSql()))
        exec(db, statement);
}

QString checkExistingFile(const QString& path) {
    QFileInfo info(path);
    if (!info.isFile())
        return refusal(path, Text::tr("it is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refusal(path, Text::tr("it cannot be read (%1)").arg(file.errorString()));
    const QByteArray header = file.read(16);
    file.close();
    if (header != QByteArray("SQLite format 3\0", 16))
        return refusal(path, Text::tr("it is not a Memorant database (not an SQLite file)"));

    const QString probeName = QStringLiteral("memorant-probe");
    QString reason;
    {
        // Read-only, so that looking at a foreign file cannot change it.
        QSqlDatabase db = addConnection(probeName, path, QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            reason = Text::tr("it cannot be opened (%1)").arg(db.lastError().text());
        } else {
            try {
                const int version = scalar(db, QStringLiteral("PRAGMA user_version")).toInt();
                QStringList missing;
                for (const QString& table : kRequiredTables) {
                    if (scalar(db,
                               QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE "
                                              "type = 'table' AND name = ?"),
                               {table})
                            .toInt() == 0)
                        missing << table;
                }
                if (version > kSchemaVersion)
                    reason = Text::tr("it was made by a newer version of Memorant "
                                      "(schema version %1; this program knows %2)")
                                 .arg(version)
                                 .arg(kSchemaVersion);
                else if (version < 1 || !missing.isEmpty())
                    reason = Text::tr("it is not a Memorant database (missing tables: %1)")
                                 .arg(missing.isEmpty() ? Text::tr("none, but no schema "
                                                                   "version")
                                                        : missing.join(QStringLiteral(", ")));
            } catch (const DbError& e) {
                reason = Text::tr("it is damaged or not a database (%1)").arg(e.message());
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(probeName);
    return reason.isEmpty() ? QString() : refusal(path, reason);
}

QString folderNotWritableMessage(const QString& path) {
    return Text::tr("The folder \"%1\" is not writable: the database needs to write "
                    "files beside it.")
        .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

QString folderProblem(const QString& path) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        return refusal(path, Text::tr("its folder \"%1\" does not exist")
                                 .arg(QDir::toNativeSeparators(folder.filePath())));
    return writable(folder) ? QString() : folderNotWritableMessage(path);
}

void setCreationHookForTesting(std::function<void()> hook) {
    creationHook() = std::move(hook);
}

OpenOutcome openDatabase(const QString& path, bool createIfMissing) {
    OpenOutcome outcome;
    const QFileInfo file(path);
    if (!file.exists() && !createIfMissing) {
        outcome.message = refusal(path, Text::tr("there is no such file"));
        return outcome;
    }
    // Before SQLite sees the file: opened where it cannot write, it would leave its -wal and
    // -shm files behind and report the trouble in its own words.
    outcome.message = folderProblem(path);
    if (outcome.message.isEmpty() && file.isFile() && !writable(file))
        outcome.message = Text::tr("The database file \"%1\" is read-only.").arg(path);
    if (!outcome.message.isEmpty())
        return outcome;
    if (!file.exists()) {
        outcome.message = createNew(path);
        outcome.ok = outcome.message.isEmpty();
        outcome.created = outcome.ok;
        return outcome;
    }
    outcome.message = checkExistingFile(path);
    if (!outcome.message.isEmpty()) {
        outcome.damaged = isDamagedMemorantFile(path);
        if (outcome.damaged && !hasMemorantHeader(path))
            outcome.message = damagedMessage(path, damageDetail(path));
        return outcome;
    }
    // A damaged page is found now, before any write, rather than in the middle of a lesson.
    const FileCheck check = openingCheck(path);
    if (!check.sound) {
        outcome.damaged = true;
        outcome.message = damagedMessage(path, check.detail());
        return outcome;
    }
    QSqlDatabase db = addConnection(kMainConnection, path, {});
    if (!db.open()) {
        outcome.message = refusal(path, db.lastError().text());
        return outcome;
    }
    try {
        configureConnection(db);
        upgradeSchema(db);
    } catch (const DbError& e) {
        db.close();
        outcome.message = refusal(path, e.message());
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

QSqlDatabase mainConnection() {
    return QSqlDatabase::database(kMainConnection, false);
}

QSqlDatabase openConnection(const QString& name) {
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            return db;
    }
    QSqlDatabase db = QSqlDatabase::cloneDatabase(kMainConnection, name);
    if (!db.open())
        throw DbError(Text::tr("Cannot open the database: %1").arg(db.lastError().text()));
    configureConnection(db);
    return db;
}

void closeAllConnections() {
    // A background backup or check reads through a connection of its own thread.
    BackgroundBackup::waitForAll();
    walCheckpoints::stop();
    for (const QString& name : QSqlDatabase::connectionNames()) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

} // namespace data
