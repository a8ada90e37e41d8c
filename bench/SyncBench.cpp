// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncBench.h"

#include "Measure.h"

#include "data/Database.h"
#include "data/SampleSet.h"
#include "data/Sql.h"
#include "data/WalCheckpoints.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "sync/Sync.h"
#include "sync/SyncFolder.h"

#include <QDate>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>

namespace bench {
namespace {

std::map<std::string, std::vector<double>>& syncSamples() {
    static std::map<std::string, std::vector<double>> m;
    return m;
}

QString (*largeSource)() = nullptr;

// A database of its own on a connection of its own, as another machine's.
QSqlDatabase openMachine(const QString& path, bool create) {
    const QString name = QStringLiteral("bench-") + QUuid::createUuid().toString(QUuid::Id128);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open())
        throw std::runtime_error("cannot open " + path.toStdString());
    data::configureConnection(db);
    if (create) {
        data::Transaction t(db);
        data::createSchema(db);
        data::seedNewDatabase(db);
        data::exec(db, QStringLiteral("DELETE FROM Set1"));
        data::exec(db, QStringLiteral("DELETE FROM Card"));
        data::exec(db, QStringLiteral("DELETE FROM MultipleAnswers"));
        data::exec(db, QStringLiteral("PRAGMA user_version = %1").arg(data::kSchemaVersion));
        t.commit();
    }
    return db;
}

void closeMachine(QSqlDatabase& db) {
    const QString name = db.connectionName();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

void syncOrStop(const QSqlDatabase& db, const QString& folder) {
    const syncing::SyncSummary s = syncing::runSync(db, {folder, QStringLiteral("bench")});
    if (!s.error.isEmpty())
        throw std::runtime_error(s.error.toStdString());
}

// One reply as the lesson stores it: the card's weights and a log row, in one transaction.
void storeReply(const QSqlDatabase& db, qint64 card, bool correct) {
    data::Transaction t(db);
    data::exec(db,
               QStringLiteral("UPDATE Card SET Correct = Correct + ?, Incorrect = Incorrect + ?, "
                              "Rating = 0.5 WHERE Card_ID = ?"),
               {correct ? 1 : 0, correct ? 0 : 1, card});
    data::exec(db,
               QStringLiteral("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES (?, "
                              "'Bench', ?, ?)"),
               {QDate::currentDate().toString(Qt::ISODate), card,
                correct ? QStringLiteral("Correct") : QStringLiteral("Wrong")});
    t.commit();
}

// Two machines that share a set of 1,000 cards; the first then gives 10,000 replies and
// edits 1,000 cards, and has sent them.
struct TwoMachines {
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("shared"));
    QString pathA = dir.filePath(QStringLiteral("a.mdb"));
    QString pathB = dir.filePath(QStringLiteral("b.mdb"));

    TwoMachines() {
        QDir().mkpath(folder);
        QSqlDatabase a = openMachine(pathA, true);
        QSqlDatabase b = openMachine(pathB, true);
        {
            data::Transaction t(a);
            data::exec(a, QStringLiteral("INSERT INTO Set1 (Set_ID, SetName) VALUES (1, 'Bench')"));
            for (int c = 1; c <= 1000; ++c) {
                data::exec(a,
                           QStringLiteral("INSERT INTO Card (Card_ID, Question, Answer) VALUES "
                                          "(?, ?, 'answer')"),
                           {c, QStringLiteral("question %1").arg(c)});
                data::exec(a,
                           QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES "
                                          "(1, ?)"),
                           {c});
            }
            t.commit();
        }
        syncOrStop(a, folder);
        syncOrStop(b, folder);
        for (int r = 0; r < 10000; ++r)
            storeReply(a, r % 1000 + 1, r % 3 != 0);
        {
            data::Transaction t(a);
            for (int c = 1; c <= 1000; ++c)
                data::exec(a, QStringLiteral("UPDATE Card SET Answer = ? WHERE Card_ID = ?"),
                           {QStringLiteral("edited %1").arg(c), c});
            t.commit();
        }
        syncOrStop(a, folder);
        closeMachine(a);
        closeMachine(b);
    }
};

void receiveBench(benchmark::State& state) {
    syncing::setFlushForTesting(true);
    for (auto _ : state) {
        TwoMachines m;
        QSqlDatabase b = openMachine(m.pathB, false);
        const auto start = Clock::now();
        syncOrStop(b, m.folder);
        const double ms = msSince(start);
        closeMachine(b);
        state.SetIterationTime(ms / 1000.0);
        syncSamples()["sync_10000_replies"].push_back(ms);
    }
}

// Replies stored on the second machine's file (as its window would) while another thread
// applies the first machine's 10,000 replies to it.
void replyDuringSyncBench(benchmark::State& state) {
    for (auto _ : state) {
        TwoMachines m;
        std::atomic<bool> done{false};
        QThread* worker = QThread::create([&] {
            QSqlDatabase b = openMachine(m.pathB, false);
            syncOrStop(b, m.folder);
            closeMachine(b);
            done = true;
        });
        QSqlDatabase window = openMachine(m.pathB, false);
        data::walCheckpoints::start(m.pathB); // as the program does
        worker->start();
        int r = 0;
        while (!done || r < 200) {
            const auto start = Clock::now();
            storeReply(window, r % 1000 + 1, r % 2 == 0);
            syncSamples()["reply_during_sync"].push_back(msSince(start));
            ++r;
            QThread::msleep(5); // a learner's replies come a second or more apart
        }
        worker->wait();
        delete worker;
        data::walCheckpoints::stop();
        closeMachine(window);
        state.SetIterationTime(0.001);
    }
}

// An empty machine joins a folder holding the large database; the same database goes through
// the exchange file into an empty database, in the same run.
void joinBench(benchmark::State& state) {
    const QString source = largeSource ? largeSource() : QString();
    if (source.isEmpty()) {
        state.SkipWithError("no large database");
        return;
    }
    // The generated database is kept between runs: a program of a later schema upgrades it.
    if (!data::openDatabase(source).ok)
        throw std::runtime_error("cannot open the large database");
    data::closeAllConnections();
    for (auto _ : state) {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        QDir().mkpath(folder);
        {
            QSqlDatabase a = openMachine(source, false);
            syncOrStop(a, folder);
            closeMachine(a);
        }
        QSqlDatabase b = openMachine(dir.filePath(QStringLiteral("b.mdb")), true);
        auto start = Clock::now();
        data::walCheckpoints::start(dir.filePath(QStringLiteral("b.mdb"))); // as the command
        syncOrStop(b, folder);
        data::walCheckpoints::stop();
        const double joinMs = msSince(start);
        closeMachine(b);

        const QString file = dir.filePath(QStringLiteral("ExportBuffer.txt"));
        if (!data::openDatabase(source).ok)
            throw std::runtime_error("cannot open the large database");
        static_cast<void>(exchange::Export(data::mainConnection()).run(file));
        data::closeAllConnections();
        if (!data::openDatabase(dir.filePath(QStringLiteral("c.mdb"))).ok)
            throw std::runtime_error("cannot make a database");
        start = Clock::now();
        static_cast<void>(exchange::Import(data::mainConnection()).run(file, true));
        const double importMs = msSince(start);
        data::closeAllConnections();
        state.SetIterationTime(joinMs / 1000.0);
        syncSamples()["sync_join_large"].push_back(joinMs);
        syncSamples()["exchange_import_large"].push_back(importMs);
    }
}

double p99(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(std::ceil(0.99 * static_cast<double>(v.size()))) - 1];
}

} // namespace

void registerSyncBenchmarks(QString (*largePath)()) {
    largeSource = largePath;
    benchmark::RegisterBenchmark("sync/receive_10000_replies", receiveBench)
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("sync/replies_during_sync", replyDuringSyncBench)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("sync/join_large", joinBench)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

void printSyncFigures() {
    auto& s = syncSamples();
    if (!s["sync_10000_replies"].empty())
        std::printf("sync_10000_replies_ms=%.1f (target < 1000)\n",
                    medianOf(s["sync_10000_replies"]));
    if (!s["sync_join_large"].empty()) {
        const double join = medianOf(s["sync_join_large"]) / 1000;
        const double import = medianOf(s["exchange_import_large"]) / 1000;
        std::printf("sync_join_large_s=%.1f exchange_import_large_s=%.1f ratio=%.2f (target <= "
                    "3)\n",
                    join, import, import > 0 ? join / import : 0.0);
    }
    if (!s["reply_during_sync"].empty())
        std::printf("reply_p99_during_sync_ms=%.2f (target < 16)\n", p99(s["reply_during_sync"]));
}

} // namespace bench
