// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeBench.h"

#include "Measure.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "exchange/Export.h"
#include "exchange/Import.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {
namespace {

std::map<std::string, std::vector<double>>& exchangeSamples() {
    static std::map<std::string, std::vector<double>> m;
    return m;
}

// A database of exactly `records` exchange records: cards in sets of 100, one relation
// per card, and log rows for the rest.
void fill(const QSqlDatabase& db, int records) {
    data::Transaction t(db);
    data::exec(db, QStringLiteral("DELETE FROM Set1"));
    data::exec(db, QStringLiteral("DELETE FROM Card"));
    data::exec(db, QStringLiteral("DELETE FROM MultipleAnswers"));
    const int cards = records * 2 / 5;
    const int sets = cards / 100;
    const int log = records - 2 * cards - sets;
    for (int s = 1; s <= sets; ++s)
        data::exec(db, QStringLiteral("INSERT INTO Set1 (Set_ID, SetName) VALUES (?, ?)"),
                   {s, QStringLiteral("Set %1").arg(s)});
    QSqlQuery card(db), rel(db), row(db);
    card.prepare(QStringLiteral("INSERT INTO Card (Card_ID, Question, Answer, \"Order\", Rating) "
                                "VALUES (?, ?, ?, ?, 0.25)"));
    rel.prepare(QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)"));
    row.prepare(QStringLiteral("INSERT INTO Log (\"Date\", SetName, CardID, Result) "
                               "VALUES ('2024-03-04', 'Set 1', ?, 'Correct')"));
    for (int c = 1; c <= cards; ++c) {
        card.addBindValue(c);
        card.addBindValue(QStringLiteral("Question %1").arg(c));
        card.addBindValue(QStringLiteral("Answer %1").arg(c));
        card.addBindValue(c);
        card.exec();
        rel.addBindValue((c - 1) / 100 + 1);
        rel.addBindValue(c);
        rel.exec();
    }
    for (int l = 0; l < log; ++l) {
        row.addBindValue(l % cards + 1);
        row.exec();
    }
    t.commit();
}

struct Files {
    QTemporaryDir dir;
    QString source() const { return dir.filePath(QStringLiteral("source.mdb")); }
    QString target() const { return dir.filePath(QStringLiteral("target.mdb")); }
    QString exchange() const { return dir.filePath(QStringLiteral("ExportBuffer.txt")); }
};

void record(benchmark::State& state, const std::string& name, double ms) {
    state.SetIterationTime(ms / 1000.0);
    exchangeSamples()[name].push_back(ms);
}

// A database that fails to open would leave nothing worth measuring.
void openOrStop(const QString& path) {
    const data::OpenOutcome opened = data::openDatabase(path);
    if (!opened.ok)
        qFatal("cannot open %s: %s", qPrintable(path), qPrintable(opened.message));
}

void exchangeBench(benchmark::State& state, int records, std::string suffix) {
    Files f;
    openOrStop(f.source());
    fill(data::mainConnection(), records);
    for (auto _ : state) {
        auto start = Clock::now();
        exchange::Export(data::mainConnection()).run(f.exchange());
        const double exportMs = msSince(start);
        data::closeAllConnections();

        QFile::remove(f.target());
        openOrStop(f.target());
        start = Clock::now();
        exchange::Import(data::mainConnection()).run(f.exchange(), true);
        const double importMs = msSince(start);
        data::closeAllConnections();
        openOrStop(f.source());

        exchangeSamples()["export_" + suffix].push_back(exportMs);
        record(state, "import_" + suffix, importMs);
    }
    data::closeAllConnections();
}

// The floor: the same number of 27-value rows, bound and inserted in one transaction.
void floorBench(benchmark::State& state, int records, std::string suffix) {
    Files f;
    openOrStop(f.target());
    {
        const QSqlDatabase db = data::mainConnection();
        data::exec(db, QStringLiteral("CREATE TABLE Floor (%1)").arg([] {
            QStringList c;
            for (int i = 1; i <= 27; ++i)
                c << QStringLiteral("F%1").arg(i);
            return c.join(QStringLiteral(", "));
        }()));
        for (auto _ : state) {
            data::exec(db, QStringLiteral("DELETE FROM Floor"));
            const auto start = Clock::now();
            {
                data::Transaction t(db);
                QSqlQuery q(db);
                q.prepare(QStringLiteral("INSERT INTO Floor VALUES (?%1)")
                              .arg(QStringLiteral(", ?").repeated(26)));
                for (int r = 0; r < records; ++r) {
                    for (int c = 0; c < 27; ++c)
                        q.bindValue(c, c == 1 ? QVariant(QStringLiteral("Question %1").arg(r))
                                              : QVariant(r));
                    q.exec();
                }
                t.commit();
            }
            record(state, "floor_" + suffix, msSince(start));
        }
    }
    data::closeAllConnections();
}

} // namespace

void registerExchangeBenchmarks() {
    for (const auto& [records, suffix] :
         {std::pair{9999, std::string("9999")}, std::pair{100000, std::string("100000")}}) {
        benchmark::RegisterBenchmark(("exchange_floor/" + suffix).c_str(), floorBench, records,
                                     suffix)
            ->UseManualTime()
            ->Iterations(records < 50000 ? 5 : 2)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("exchange_export_import/" + suffix).c_str(), exchangeBench,
                                     records, suffix)
            ->UseManualTime()
            ->Iterations(records < 50000 ? 5 : 2)
            ->Unit(benchmark::kMillisecond);
    }
}

void printExchangeRatios() {
    auto& s = exchangeSamples();
    for (const std::string suffix : {"9999", "100000"}) {
        const double floor = medianOf(s["floor_" + suffix]);
        if (floor <= 0)
            continue;
        for (const std::string step : {"export_", "import_"}) {
            const double ms = medianOf(s[step + suffix]);
            std::printf("%s%s_ms=%.1f floor_ms=%.1f ratio=%.2f\n", step.c_str(), suffix.c_str(), ms,
                        floor, ms / floor);
        }
    }
}

} // namespace bench
