// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordListBench.h"

#include "data/Database.h"
#include "wordlist/WordListImport.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr int kRows = 100000;
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<std::pair<std::string, std::string>> makeRows() {
    std::vector<std::pair<std::string, std::string>> rows;
    rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
        rows.emplace_back("Wörterbuch " + std::to_string(i),
                          "dictionary, entry " + std::to_string(i));
    return rows;
}

// A list as a spreadsheet saves it: semicolons, quoted fields where they hold one.
void writeList(const QString& path, const std::vector<std::pair<std::string, std::string>>& rows) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the list");
    std::string text = "Question;Answer\n";
    for (const auto& [q, a] : rows)
        text += q + ";\"" + a + "\"\n";
    f.write(text.data(), static_cast<qint64>(text.size()));
}

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

// The floor: the same set and cards written through prepared statements, in one transaction.
double rawInsert(const QString& path,
                 const std::vector<std::pair<std::string, std::string>>& rows) {
    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    const auto start = Clock::now();
    check(sqlite3_exec(db, "PRAGMA synchronous = NORMAL; BEGIN", nullptr, nullptr, nullptr), db);
    check(
        sqlite3_exec(db, "INSERT INTO Set1 (SetName) VALUES ('floor')", nullptr, nullptr, nullptr),
        db);
    const sqlite3_int64 setId = sqlite3_last_insert_rowid(db);
    sqlite3_stmt* card = nullptr;
    sqlite3_stmt* rel = nullptr;
    check(sqlite3_prepare_v2(db, "INSERT INTO Card (Question, Answer) VALUES (?, ?)", -1, &card,
                             nullptr),
          db);
    check(sqlite3_prepare_v2(db, "INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)", -1,
                             &rel, nullptr),
          db);
    for (const auto& [q, a] : rows) {
        sqlite3_bind_text(card, 1, q.data(), static_cast<int>(q.size()), SQLITE_STATIC);
        sqlite3_bind_text(card, 2, a.data(), static_cast<int>(a.size()), SQLITE_STATIC);
        check(sqlite3_step(card), db);
        sqlite3_reset(card);
        sqlite3_bind_int64(rel, 1, setId);
        sqlite3_bind_int64(rel, 2, sqlite3_last_insert_rowid(db));
        check(sqlite3_step(rel), db);
        sqlite3_reset(rel);
    }
    sqlite3_finalize(card);
    sqlite3_finalize(rel);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    const double ms = msSince(start);
    sqlite3_close(db);
    return ms;
}

void wordListBench(benchmark::State& state) {
    QTemporaryDir dir;
    const auto rows = makeRows();
    const QString list = dir.filePath(QStringLiteral("words.csv"));
    const QString blank = dir.filePath(QStringLiteral("blank.mdb"));
    try {
        writeList(list, rows);
        if (!data::openDatabase(blank).ok)
            throw std::runtime_error("cannot make a database");
        data::closeAllConnections();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    std::vector<double> imports;
    std::vector<double> floors;
    int round = 0;
    for (auto _ : state) {
        const QString a = dir.filePath(QStringLiteral("a%1.mdb").arg(round));
        const QString b = dir.filePath(QStringLiteral("b%1.mdb").arg(round++));
        QFile::copy(blank, a);
        QFile::copy(blank, b);
        floors.push_back(rawInsert(b, rows));
        if (!data::openDatabase(a, false).ok) {
            state.SkipWithError("cannot open the database");
            return;
        }
        const auto start = Clock::now();
        const exchange::ListImportOutcome done = exchange::importList(
            data::mainConnection(), exchange::readListFile(list), exchange::ListOptions{});
        imports.push_back(msSince(start));
        data::closeAllConnections();
        if (done.cards != kRows) {
            state.SkipWithError("the list did not import whole");
            return;
        }
        state.SetIterationTime(imports.back() / 1000.0);
    }
    std::sort(imports.begin(), imports.end());
    std::sort(floors.begin(), floors.end());
    const double import = imports[imports.size() / 2];
    const double floor = floors[floors.size() / 2];
    state.counters["floor_ms"] = floor;
    state.counters["ratio"] = import / floor;
    std::printf("word_list_import_ms=%.1f raw_insert_floor_ms=%.1f ratio=%.2f (target < 3)\n",
                import, floor, import / floor);
}

} // namespace

void registerWordListBench() {
    benchmark::RegisterBenchmark("word_list_import/100000_rows", wordListBench)
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
