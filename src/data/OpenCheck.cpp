// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/OpenCheck.h"

#include "data/Database.h"
#include "data/SideConnection.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlQuery>
#include <QtEndian>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

namespace data {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Database)
};

// One row of a check's result may hold several lines, headed by the schema they are about.
QStringList problemLines(const QString& row) {
    QStringList lines;
    for (const QString& line : row.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral("*** in database")) && !line.isEmpty() &&
            line != QStringLiteral("ok"))
            lines << line;
    }
    return lines;
}

// The problems one check statement reports.
QStringList problemsOf(const QSqlDatabase& db, const QString& pragma) {
    QStringList problems;
    QSqlQuery q = exec(db, pragma);
    while (q.next())
        problems << problemLines(q.value(0).toString());
    return problems;
}

// Runs `check` (the problems it finds, or DbError) through a read-only connection of its own.
template <typename Check> FileCheck runChecks(const QString& path, Check check) {
    FileCheck result;
    if (!QFile::exists(path)) {
        result.problems << Text::tr("there is no such file");
        return result;
    }
    SideConnection side(path);
    const QString refused = side.open();
    if (!refused.isEmpty()) {
        result.problems << refused;
        return result;
    }
    try {
        result.problems = check(side.db());
    } catch (const DbError& e) {
        result.problems = QStringList{e.message()};
        return result;
    }
    result.sound = result.problems.isEmpty();
    return result;
}

FileCheck runCheck(const QString& path, const QString& pragma) {
    return runChecks(path, [&](const QSqlDatabase& db) { return problemsOf(db, pragma); });
}

// quick_check of each table in turn, the tables taken from a shared counter; the problems go
// to the table's own place, so that the result reads the same however the work was shared.
void checkTables(const QSqlDatabase& db, const QStringList& tables, std::atomic<int>& next,
                 std::vector<QStringList>& problems) {
    for (int t = next++; t < tables.size(); t = next++)
        problems[static_cast<size_t>(t)] = problemsOf(
            db, QStringLiteral("PRAGMA quick_check(%1)").arg(quoteIdentifier(tables[t])));
}

} // namespace

QString FileCheck::detail() const {
    constexpr int kShown = 3;
    QString text = problems.mid(0, kShown).join(QStringLiteral("; "));
    if (problems.size() > kShown)
        text = Text::tr("%1; and %2 more").arg(text).arg(problems.size() - kShown);
    return text;
}

FileCheck quickCheck(const QString& path) {
    return runCheck(path, QStringLiteral("PRAGMA quick_check"));
}

FileCheck integrityCheck(const QString& path) {
    return runCheck(path, QStringLiteral("PRAGMA integrity_check"));
}

FileCheck openingCheck(const QString& path) {
    return runChecks(path, [&](const QSqlDatabase& db) {
        // Reading the schema walks every page of it.
        QStringList tables;
        QSqlQuery q =
            exec(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = "
                                    "'table' AND name NOT IN ('Log', 'Media') ORDER BY name"));
        while (q.next())
            tables << q.value(0).toString();
        // The learner waits for this check: a second connection on a thread of its own takes
        // tables as well, which halves the wait on a machine of two cores or more.
        std::vector<QStringList> problems(static_cast<size_t>(tables.size()));
        std::atomic<int> next{0};
        std::optional<DbError> helperError;
        std::thread helper([&] {
            SideConnection second(path);
            try {
                if (second.open().isEmpty())
                    checkTables(second.db(), tables, next, problems);
            } catch (const DbError& e) {
                helperError = e;
            }
        });
        try {
            checkTables(db, tables, next, problems);
        } catch (const DbError&) {
            next = static_cast<int>(tables.size()); // the helper stops after its table
            helper.join();
            throw;
        }
        helper.join();
        if (helperError)
            throw *helperError;
        QStringList all;
        for (const QStringList& p : problems)
            all << p;
        return all;
    });
}

int cardsNamingMissingMedia(const QSqlDatabase& db) {
    return scalar(db, QStringLiteral("SELECT COUNT(*) FROM Card WHERE (Picture IS NOT NULL AND "
                                     "NOT EXISTS (SELECT 1 FROM Media WHERE Hash = Card.Picture)) "
                                     "OR (Sound IS NOT NULL AND NOT EXISTS (SELECT 1 FROM Media "
                                     "WHERE Hash = Card.Sound))"))
        .toInt();
}

QString missingMediaNote(const QString& path) {
    SideConnection side(path);
    if (!side.open().isEmpty())
        return {};
    int missing = 0;
    try {
        missing = cardsNamingMissingMedia(side.db());
    } catch (const DbError&) {
        return {};
    }
    if (missing == 0)
        return {};
    return missing == 1 ? Text::tr("1 card names a picture or sound that is not in the "
                                   "database \"%1\"; it is shown without it")
                              .arg(path)
                        : Text::tr("%n cards name a picture or sound that is not in the "
                                   "database \"%1\"; they are shown without it",
                                   nullptr, missing)
                              .arg(path);
}

bool hasMemorantHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return false;
    // The user version sits big-endian at offset 60 of the header.
    const qint32 version = qFromBigEndian<qint32>(header.constData() + 60);
    return version >= 1 && version <= kSchemaVersion;
}

bool isDamagedMemorantFile(const QString& path) {
    if (hasMemorantHeader(path))
        return !quickCheck(path).sound;
    // A first page gone (zeros, garbage) takes the header with it: the backups of the file
    // still tell what it was.
    return QFileInfo(path).isFile() && !quickCheck(path).sound && !listBackups(path).isEmpty();
}

QString damageDetail(const QString& path) {
    if (!hasMemorantHeader(path))
        return Text::tr("its first page does not hold a Memorant database header");
    return quickCheck(path).detail();
}

QString damagedMessage(const QString& path, const QString& detail) {
    return Text::tr("Cannot open the database \"%1\": it is damaged (%2)").arg(path, detail);
}

std::optional<BackupFile> newestGoodBackup(const QString& databasePath) {
    for (const BackupFile& b : listBackups(databasePath)) {
        if (hasMemorantHeader(b.path) && quickCheck(b.path).sound)
            return b;
    }
    return std::nullopt;
}

BackupSummary summarizeBackup(const QString& backupPath) {
    BackupSummary s;
    SideConnection side(backupPath);
    if (!side.open().isEmpty())
        return s;
    try {
        s.cards = scalar(side.db(), QStringLiteral("SELECT COUNT(*) FROM Card")).toInt();
        s.sets = scalar(side.db(), QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt();
    } catch (const DbError&) {
        // A backup that cannot be read shows as such in the list.
    }
    return s;
}

QString backupListText(const QString& databasePath) {
    const QList<BackupFile> backups = listBackups(databasePath);
    if (backups.isEmpty())
        return Text::tr("There are no backups in \"%1\".\n").arg(backupFolder(databasePath));
    QString text = Text::tr("Backups in \"%1\", newest first:\n").arg(backupFolder(databasePath));
    const QLocale c = QLocale::c();
    for (const BackupFile& b : backups) {
        const bool good = hasMemorantHeader(b.path) && quickCheck(b.path).sound;
        text += QStringLiteral("  %1  %2  %3%4\n")
                    .arg(b.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                         c.formattedDataSize(b.size), QDir::toNativeSeparators(b.path),
                         good ? QString() : Text::tr("  (damaged)"));
    }
    text += Text::tr("To restore one, start Memorant in its window: it offers the newest "
                     "good backup, and File > Restore from backup... lists them all.\n");
    return text;
}

} // namespace data
