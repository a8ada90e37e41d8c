// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BackupCommands.h"

#include "data/Backups.h"
#include "data/Database.h"
#include "data/FileLock.h"
#include "data/OpenCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace cli {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

QString noSuchFile(const QString& path) {
    return Text::tr("Cannot open the database \"%1\": there is no such file").arg(path);
}

// Damage is reported with the backups that could replace the file.
int damaged(const QString& message, const QString& path) {
    commandErr() << "memorant: " << message << "\n" << data::backupListText(path) << Qt::flush;
    return 1;
}

// These commands only read, yet SQLite makes -wal and -shm files beside a file in WAL mode
// for a reader too, and a reader cannot remove them when done. Those made during the
// command are removed again, still empty, when no program holds the file: a program
// running on it keeps its own.
class NoLogsLeftBehind {
  public:
    explicit NoLogsLeftBehind(const QString& path) : path_(path) {
        for (const QString& log : logs())
            existed_ << QFileInfo::exists(path_ + log);
    }
    ~NoLogsLeftBehind() {
        if (existed_.contains(true))
            return;
        const QFileInfo wal(path_ + QStringLiteral("-wal"));
        if (wal.exists() && wal.size() > 0)
            return;
        data::FileLock nobodyElse;
        if (nobodyElse.tryLock(path_) != data::FileLock::Result::Taken)
            return;
        for (const QString& log : logs())
            QFile::remove(path_ + log);
    }
    NoLogsLeftBehind(const NoLogsLeftBehind&) = delete;
    NoLogsLeftBehind& operator=(const NoLogsLeftBehind&) = delete;

  private:
    static QStringList logs() { return {QStringLiteral("-wal"), QStringLiteral("-shm")}; }
    QString path_;
    QList<bool> existed_;
};

} // namespace

const CommandEntry& backupEntry() {
    static const CommandEntry entry{
        QStringLiteral("backup"),
        {.operands = QStringLiteral("[FILE]")},
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Commands",
            "write a consistent copy now, to FILE or into backups/ beside the database")),
        backupCommand};
    return entry;
}

const CommandEntry& checkEntry() {
    static const CommandEntry entry{
        QStringLiteral("check"),
        {},
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Commands", "check the database for damage (exit status 1 when damaged)")),
        checkCommand};
    return entry;
}

int backupCommand(const CommandContext& context) {
    if (context.args.size() > 1)
        return commandMisused(Text::tr("backup takes at most one FILE"));
    const QString path = context.databasePath;
    // Only read: a program may be running on the file, so no lock and no main connection.
    if (!QFileInfo::exists(path))
        return commandFailed(noSuchFile(path));
    const NoLogsLeftBehind tidy(path);
    const QString refused = data::checkExistingFile(path);
    if (!refused.isEmpty())
        return data::isDamagedMemorantFile(path)
                   ? damaged(data::damagedMessage(path, data::damageDetail(path)), path)
                   : commandFailed(refused);
    const data::FileCheck check = data::quickCheck(path);
    if (!check.sound)
        return damaged(data::damagedMessage(path, check.detail()), path);

    if (context.args.size() == 1) {
        const QString target = context.args.first();
        const QString reason = data::copyDatabase(path, target);
        if (!reason.isEmpty())
            return commandFailed(Text::tr("No backup of \"%1\" was written: %2").arg(path, reason));
        return commandDone(Text::tr("Backup written to \"%1\"").arg(target));
    }
    const data::BackupResult result = data::backUp(path);
    if (!result.error.isEmpty())
        return commandFailed(result.error);
    return commandDone(Text::tr("Backup written to \"%1\"").arg(result.path));
}

int checkCommand(const CommandContext& context) {
    if (!context.args.isEmpty())
        return commandMisused(Text::tr("check takes no arguments"));
    const QString path = context.databasePath;
    if (!QFileInfo::exists(path))
        return commandFailed(noSuchFile(path));
    const NoLogsLeftBehind tidy(path);
    if (!data::hasMemorantHeader(path)) {
        if (data::isDamagedMemorantFile(path))
            return damaged(data::damagedMessage(path, data::damageDetail(path)), path);
        const QString refused = data::checkExistingFile(path);
        return commandFailed(
            refused.isEmpty() ? Text::tr("\"%1\" is not a Memorant database").arg(path) : refused);
    }
    const data::FileCheck check = data::integrityCheck(path);
    if (check.sound) {
        const QString refused = data::checkExistingFile(path);
        return refused.isEmpty() ? commandDone(QStringLiteral("ok")) : commandFailed(refused);
    }
    QTextStream& out = commandOut();
    for (const QString& line : check.problems)
        out << line << "\n";
    out.flush();
    return damaged(Text::tr("The database \"%1\" is damaged").arg(path), path);
}

} // namespace cli
