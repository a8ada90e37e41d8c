// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordListBench.h"

#include "Measure.h"

#include "data/Database.h"
#include "wordlist/WordListImport.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr int kRows = 100000;

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
        floors.push_back(rawInsertFloor(b, rows));
        if (!data::openDatabase(a, false).ok) {
            state.SkipWithError("cannot open the database");
            return;
        }
        const auto start = Clock::now();
        const wordlist::ListImportOutcome done = wordlist::importList(
            data::mainConnection(), wordlist::readListFile(list), wordlist::ListOptions{});
        imports.push_back(msSince(start));
        data::closeAllConnections();
        if (done.cards != kRows) {
            state.SkipWithError("the list did not import whole");
            return;
        }
        state.SetIterationTime(imports.back() / 1000.0);
    }
    const double import = medianOf(imports);
    const double floor = medianOf(floors);
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
