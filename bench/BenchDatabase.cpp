// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchDatabase.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace bench {
namespace {

// Bump when the generated content changes, so stale cached files are not used.
constexpr int kGeneratorVersion = 4; // 3: the log summary of the statistics; 4: set voices, scales

void removeDatabaseFiles(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

// Every row is made by SQL inside one transaction, which keeps even the large file quick.
void fill(const QSqlDatabase& db, const DatabaseSize& size) {
    data::Transaction t(db);
    for (const char* table : {"Set_Card_rel", "Set1", "MultipleAnswers", "Card", "Log"})
        data::exec(db, QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));

    data::exec(db, QStringLiteral(R"(
        WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?)
        INSERT INTO Card (Card_ID, Question, Answer, "Order", Correct, Incorrect, Rating)
        SELECT i, 'Question ' || i, 'answer ' || i, i, i % 7, i % 5,
               CASE WHEN i % 7 + i % 5 = 0 THEN 0
                    WHEN i % 5 = 0 THEN 0.9
                    ELSE (i % 7) * 1.0 / (i % 7 + i % 5) END
        FROM n)"),
               {size.cards});

    // The named sets take the first cards; the rest go into sets of 100.
    struct Named {
        const char* name;
        int count;
    };
    int next = 1;
    int setId = 1;
    for (const Named& s :
         {Named{"Reply20", 20}, Named{"Load1000", 1000}, Named{"Load10000", 10000}}) {
        if (next + s.count - 1 > size.cards)
            break;
        data::exec(db, QStringLiteral("INSERT INTO Set1 (Set_ID, SetName) VALUES (?, ?)"),
                   {setId, QString::fromLatin1(s.name)});
        data::exec(db, QStringLiteral(R"(
            WITH RECURSIVE n(i) AS (SELECT ? UNION ALL SELECT i + 1 FROM n WHERE i < ?)
            INSERT INTO Set_Card_rel (Set_ID, Card_ID) SELECT ?, i FROM n)"),
                   {next, next + s.count - 1, setId});
        next += s.count;
        ++setId;
    }
    if (next <= size.cards) {
        const int rest = (size.cards - next) / 100 + 1;
        data::exec(db, QStringLiteral(R"(
            WITH RECURSIVE k(j) AS (SELECT 0 UNION ALL SELECT j + 1 FROM k WHERE j + 1 < ?)
            INSERT INTO Set1 (Set_ID, SetName) SELECT 1000 + j, 'Set ' || (1000 + j) FROM k)"),
                   {rest});
        data::exec(db, QStringLiteral(R"(
            WITH RECURSIVE n(i) AS (SELECT ? UNION ALL SELECT i + 1 FROM n WHERE i < ?)
            INSERT INTO Set_Card_rel (Set_ID, Card_ID) SELECT 1000 + (i - ?) / 100, i FROM n)"),
                   {next, size.cards, next});
    }

    data::exec(db, QStringLiteral(R"(
        WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?)
        INSERT INTO Log ("Date", SetName, CardID, Result)
        SELECT date('2020-01-01', '+' || (i / 400) || ' days'), 'Set ' || (i % 50),
               (i * 7919) % ? + 1, CASE WHEN i % 3 = 0 THEN 'Wrong' ELSE 'Correct' END
        FROM n)"),
               {size.logRows, size.cards});

    data::exec(db, QStringLiteral("UPDATE Fields SET SetName = 'Reply20', Load = 1"));
    data::exec(db, QStringLiteral("UPDATE Fields1 SET Zad = 0"));
    t.commit();
}

QString generated(const DatabaseSize& size, const QString& cacheDir) {
    const QString path = QDir(cacheDir).filePath(QStringLiteral("memorant-v%1-%2-cards-%3-log.mdb")
                                                     .arg(kGeneratorVersion)
                                                     .arg(size.cards)
                                                     .arg(size.logRows));
    if (QFile::exists(path))
        return path;
    const QString partial = path + QStringLiteral(".partial");
    removeDatabaseFiles(partial);
    const data::OpenOutcome opened = data::openDatabase(partial);
    if (!opened.ok)
        throw std::runtime_error(opened.message.toStdString());
    try {
        fill(data::mainConnection(), size);
        data::exec(data::mainConnection(), QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    } catch (const data::DbError& e) {
        data::closeAllConnections();
        removeDatabaseFiles(partial);
        throw std::runtime_error(e.what());
    }
    data::closeAllConnections();
    if (!QFile::rename(partial, path))
        throw std::runtime_error("cannot keep the generated database " + path.toStdString());
    removeDatabaseFiles(partial);
    return path;
}

} // namespace

QString workingCopy(const DatabaseSize& size, const QString& cacheDir) {
    if (!QDir().mkpath(cacheDir))
        throw std::runtime_error("cannot create " + cacheDir.toStdString());
    const QString source = generated(size, cacheDir);
    const QString copy = QDir(cacheDir).filePath(QStringLiteral("work-%1.mdb").arg(size.cards));
    removeDatabaseFiles(copy);
    if (!QFile::copy(source, copy))
        throw std::runtime_error("cannot copy " + source.toStdString());
    return copy;
}

} // namespace bench
