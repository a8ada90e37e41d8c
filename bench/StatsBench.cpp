// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatsBench.h"

#include "BenchDatabase.h"
#include "Headless.h"
#include "Measure.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "learn/rules/MemoryStore.h"
#include "window/StatisticsWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr DatabaseSize kLarge{100000, 1000000};

std::map<std::string, std::vector<double>>& statsSamples() {
    static std::map<std::string, std::vector<double>> m;
    return m;
}

QString cacheDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/bench-data");
}

// The generated log ends before today: the window is shown as on the day of its last row,
// so that every range holds replies.
QDate lastLogDay() {
    return QDate::fromString(
        data::scalar(data::mainConnection(), QStringLiteral("SELECT max(\"Date\") FROM Log"))
            .toString()
            .left(10),
        Qt::ISODate);
}

void settle() {
    QApplication::processEvents();
}

void windowBench(benchmark::State& state) {
    const QString path = workingCopy(kLarge, cacheDir());
    if (!data::openDatabase(path).ok)
        throw std::runtime_error("cannot open the benchmark database");
    const QDate today = lastLogDay();
    QuietDialogs dialogs;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto window = std::make_unique<window::StatisticsWindow>(dialogs);
        window->setToday(today);
        window->Form_Load();
        window->show();
        settle();
        const double first = msSince(start);
        state.SetIterationTime(first / 1000);
        statsSamples()["stats_window_first"].push_back(first);

        // 30 -> 90 -> 365 days, then one set and back to all sets.
        for (int range : {1, 2}) {
            const auto t = Clock::now();
            window->rangeChooser->setCurrentIndex(range);
            settle();
            statsSamples()["stats_window_change"].push_back(msSince(t));
        }
        for (int set : {1, 0}) {
            const auto t = Clock::now();
            window->setChooser->setCurrentIndex(set);
            settle();
            statsSamples()["stats_window_change"].push_back(msSince(t));
        }
        const auto all = Clock::now();
        window->rangeChooser->setCurrentIndex(3);
        settle();
        statsSamples()["stats_window_all_days"].push_back(msSince(all));
        window->close();
    }
    if (dialogs.shown > 0)
        throw std::runtime_error("the statistics window showed a message");
    data::closeAllConnections();
}

// `memorant stats` as a learner runs it: all days, the whole log, as text.
void commandBench(benchmark::State& state) {
    const QString path = workingCopy(kLarge, cacheDir());
    const QString program = QStringLiteral(MEMORANT_BINARY);
    for (auto _ : state) {
        QProcess p;
        const auto start = Clock::now();
        p.start(program, {QStringLiteral("--db"), path, QStringLiteral("stats")});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            throw std::runtime_error("memorant stats failed: " +
                                     p.readAllStandardError().toStdString());
        const double ms = msSince(start);
        state.SetIterationTime(ms / 1000);
        statsSamples()["stats_command"].push_back(ms);
    }
}

// The memory state built afresh from the whole log, as the background build does after an
// import or a sync: every card and way replayed from its rows, and the rows written.
void dueRebuildBench(benchmark::State& state) {
    const QString path = workingCopy(kLarge, cacheDir());
    if (!data::openDatabase(path).ok)
        throw std::runtime_error("cannot open the benchmark database");
    const qint64 today = lastLogDay().toJulianDay();
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!learn::rebuildMemoryState(data::mainConnection(), today))
            throw std::runtime_error("the log changed during the build");
        const double ms = msSince(start);
        state.SetIterationTime(ms / 1000);
        statsSamples()["due_rebuild"].push_back(ms);
    }
    data::closeAllConnections();
}

// The due counts of every set and in all, as the status bar and the set list show them after
// each reply: a week after the log's last day, when many cards have come due.
void dueCountsBench(benchmark::State& state) {
    const QString path = workingCopy(kLarge, cacheDir());
    if (!data::openDatabase(path).ok)
        throw std::runtime_error("cannot open the benchmark database");
    const QSqlDatabase db = data::mainConnection();
    if (!learn::rebuildMemoryState(db, lastLogDay().toJulianDay()))
        throw std::runtime_error("the log changed during the build");
    const qint64 day = lastLogDay().addDays(7).toJulianDay();
    int total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        total = learn::dueCounts(db, day).total;
        const double ms = msSince(start);
        state.SetIterationTime(ms / 1000);
        statsSamples()["due_counts"].push_back(ms);
    }
    state.counters["due"] = total;
    data::closeAllConnections();
}

} // namespace

void registerStatsBenchmarks() {
    benchmark::RegisterBenchmark("due_rebuild/100000_cards/1000000_log", dueRebuildBench)
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("due_counts/100000_cards/1000000_log", dueCountsBench)
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("statistics_window/100000_cards/1000000_log", windowBench)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("stats_command/100000_cards/1000000_log", commandBench)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
}

void printStatsFigures() {
    // One figure a line, each against its aim: first range 200 ms, a change 100 ms, the
    // command 300 ms.
    auto& s = statsSamples();
    const auto print = [](const char* name, const std::vector<double>& ms) {
        std::printf("%s=%.2f\n", name, medianOf(ms));
    };
    print("stats_window_first_ms", s["stats_window_first"]);
    print("stats_window_change_ms", s["stats_window_change"]);
    const auto& changes = s["stats_window_change"];
    std::printf("stats_window_change_max_ms=%.2f\n",
                changes.empty() ? 0.0 : *std::max_element(changes.begin(), changes.end()));
    print("stats_window_all_days_ms", s["stats_window_all_days"]);
    print("stats_command_ms", s["stats_command"]);
    std::printf("due_counts_ms=%.2f (target < 16)\n", medianOf(s["due_counts"]));
    std::printf("due_rebuild_ms=%.1f (target < 2000)\n", medianOf(s["due_rebuild"]));
}

} // namespace bench
