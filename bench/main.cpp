// SPDX-License-Identifier: GPL-3.0-or-later
// memorant-bench: the main window, headless, on generated databases of two sizes.
// Each timed step goes through the window's own controls and handlers, as a learner would.

#include "BenchDatabase.h"
#include "DeckBench.h"
#include "ExchangeBench.h"
#include "Headless.h"
#include "MediaBench.h"
#include "StatsBench.h"
#include "SyncBench.h"
#include "WordListBench.h"
#include "data/Backups.h"
#include "data/Database.h"
#include "data/OpenCheck.h"
#include "data/Sql.h"
#include "data/WalCheckpoints.h"
#include "learn/rules/DueCards.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/MemoryStore.h"
#include "learn/rules/OrderKeys.h"
#include "learn/rules/Ordering.h"
#include "window/Form1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr bench::DatabaseSize kSmall{1000, 10000};
constexpr bench::DatabaseSize kLarge{100000, 1000000};

QString cacheDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/bench-data");
}

// One run of the program on a fresh copy of a generated database.
class Session {
  public:
    explicit Session(const bench::DatabaseSize& size)
        : Session(bench::workingCopy(size, cacheDir())) {}
    explicit Session(const QString& path) {
        const data::OpenOutcome opened = data::openDatabase(path);
        if (!opened.ok)
            throw std::runtime_error(opened.message.toStdString());
        data::walCheckpoints::start(path); // as the program does
        window_ = std::make_unique<window::Form1>(data::mainConnection(), dialogs_, speech_);
        window_->Form_Load();
        window_->show();
    }
    ~Session() {
        window_->close();
        window_.reset();
        data::closeAllConnections();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    window::Form1& w() { return *window_; }

    // File > Learn on the named set.
    void learn(const QString& setName) {
        data::exec(data::mainConnection(), QStringLiteral("UPDATE Fields SET SetName = ?"),
                   {setName});
        w().controls().mnuLearn->trigger();
    }

    // Edit > Review... turned on, the memory state built from the log as the background build
    // leaves it: every reply then moves the state and the due counts.
    void turnReviewOn() {
        const QSqlDatabase db = data::mainConnection();
        learn::storeReviewSettings(db, {true, learn::kDefaultRetention});
        if (!learn::rebuildMemoryState(db, QDate::currentDate().toJulianDay()))
            throw std::runtime_error("the log changed during the build");
    }

    // Types a reply to the question on screen and presses Check.
    void reply(bool correct) {
        learn::LessonState& l = w().lesson();
        const QString answer = l.CSarray.at(l.Row, learn::ColAnswer).toString();
        w().controls().Text3->setText(correct ? answer : answer + QStringLiteral(" (wrong)"));
        w().controls().Command21->click();
    }

    // Picks a set in the set list, as the user does on the set-editing screen.
    void pick(const QString& setName) {
        QComboBox* list = w().controls().DataCombo1;
        const int i = list->findText(setName);
        if (i < 0)
            throw std::runtime_error("no set " + setName.toStdString());
        list->setCurrentIndex(i);
        emit list->activated(i);
    }

  private:
    bench::QuietDialogs dialogs_;
    bench::SilentSpeech speech_;
    std::unique_ptr<window::Form1> window_;
};

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The single timed steps, by name, pooled over every round that measures them.
std::map<std::string, std::vector<double>>& samples() {
    static std::map<std::string, std::vector<double>> m;
    return m;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t mid = v.size() / 2;
    return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

// The sample below which the fraction p of the samples lie (nearest rank).
double percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<size_t>(std::ceil(p * static_cast<double>(v.size())));
    return v[std::clamp<size_t>(rank, 1, v.size()) - 1];
}

// A session, or nothing when the database cannot be made (the benchmark says why).
std::unique_ptr<Session> open(benchmark::State& state, const bench::DatabaseSize& size) {
    try {
        return std::make_unique<Session>(size);
    } catch (const std::exception& e) {
        data::closeAllConnections();
        state.SkipWithError(e.what());
        return nullptr;
    }
}

// Runs `step` once per iteration under manual timing and keeps the samples. The first
// steps after opening a database run on a cold cache and are left out of the summary.
template <typename Step>
void timeSteps(benchmark::State& state, const std::string& name, Step step, size_t warmUp = 0) {
    std::vector<double> ms;
    for (auto _ : state) {
        const double t = step();
        ms.push_back(t);
        state.SetIterationTime(t / 1000.0);
    }
    if (ms.size() > warmUp)
        ms.erase(ms.begin(), ms.begin() + static_cast<std::ptrdiff_t>(warmUp));
    auto& pool = samples()[name];
    pool.insert(pool.end(), ms.begin(), ms.end());
    state.counters["median_ms"] = median(ms);
}

// Judged replies on the set `s` has on screen, every third one wrong; between replies the window
// takes its events. The first ten run on a cold cache and are left out.
void timeReplies(benchmark::State& state, Session& s, const std::string& name) {
    int n = 0;
    timeSteps(
        state, name,
        [&] {
            QCoreApplication::processEvents();
            const auto start = Clock::now();
            s.reply(++n % 3 != 0);
            return millisecondsSince(start);
        },
        10);
}

// One judged reply, end to end: card scored, log row written, next question put. Every
// third reply is wrong, so every pass ends a bunch until the last cards of the set are
// answered rightly and the set is learnt. Between replies the window takes its events, as
// it does while the learner reads and types.
void replyBench(benchmark::State& state, bench::DatabaseSize size, std::string name) {
    auto session = open(state, size);
    if (!session)
        return;
    Session& s = *session;
    s.turnReviewOn();
    s.learn(QStringLiteral("Reply20"));
    timeReplies(state, s, name);
}

// From the reply that learns a set to its order keys complete in the database, the window
// taking its events meanwhile. Each round first ends a bunch, so that the learnt set's rule
// changes every key.
void keysCompleteBench(benchmark::State& state, std::string name) {
    auto session = open(state, kLarge);
    if (!session)
        return;
    Session& s = *session;
    s.learn(QStringLiteral("Reply20"));
    const QSqlDatabase db = data::mainConnection();
    timeSteps(state, name, [&] {
        s.reply(false);
        for (int i = 0; i < 19; ++i)
            s.reply(true);
        const auto start = Clock::now();
        s.reply(true);
        while (!learn::orderKeysComplete(db))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return millisecondsSince(start);
    });
}

// File > Learn on a set of the given size, on the large database.
void loadBench(benchmark::State& state, QString setName, std::string name) {
    auto session = open(state, kLarge);
    if (!session)
        return;
    Session& s = *session;
    timeSteps(state, name, [&] {
        data::exec(data::mainConnection(), QStringLiteral("UPDATE Fields SET SetName = ?"),
                   {setName});
        const auto start = Clock::now();
        s.w().controls().mnuLearn->trigger();
        return millisecondsSince(start);
    });
}

// A set picked on the set-editing screen, until its card grid is drawn; another set is
// picked first, untimed, so that each round loads the set afresh.
void gridBench(benchmark::State& state, QString setName, std::string name) {
    auto session = open(state, kLarge);
    if (!session)
        return;
    Session& s = *session;
    QCoreApplication::processEvents();
    timeSteps(state, name, [&] {
        s.pick(QStringLiteral("Reply20"));
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        s.pick(setName);
        QCoreApplication::processEvents(); // the grid re-reads its source, then draws
        return millisecondsSince(start);
    });
}

// The large database with 1 GB of pictures (MediaBench.h).
QString mediaCopy() {
    return bench::mediaWorkingCopy(bench::workingCopy(kLarge, cacheDir()), cacheDir());
}

// Replies on the set of 10,000 cards whose cards show 500 distinct JPEGs of about 500 KB: each
// question puts its picture, decoded off the window's thread ahead of time.
void replyPicturesBench(benchmark::State& state) {
    std::unique_ptr<Session> session;
    try {
        session = std::make_unique<Session>(mediaCopy());
    } catch (const std::exception& e) {
        data::closeAllConnections();
        state.SkipWithError(e.what());
        return;
    }
    Session& s = *session;
    s.learn(QStringLiteral("Load10000"));
    timeReplies(state, s, "reply_pictures");
}

// The program itself, started offscreen on the large database (made by `database`) with the set
// of 10,000 cards chosen: from the start of the process until the set's card grid is drawn,
// and from File > Learn until the first question is drawn (the program reports both and ends).
void startBench(benchmark::State& state, QString (*database)(), std::string name) {
    for (auto _ : state) {
        QString path;
        try {
            path = database();
            if (!data::openDatabase(path).ok)
                throw std::runtime_error("cannot open " + path.toStdString());
            data::exec(data::mainConnection(), QStringLiteral("UPDATE Fields SET SetName = ?"),
                       {QStringLiteral("Load10000")});
            data::closeAllConnections();
        } catch (const std::exception& e) {
            data::closeAllConnections();
            state.SkipWithError(e.what());
            return;
        }
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MEMORANT_READY_PROBE"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        const auto start = Clock::now();
        p.start(QStringLiteral(MEMORANT_BINARY), {QStringLiteral("--db"), path});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            throw std::runtime_error("memorant did not report its start: " +
                                     p.readAllStandardError().toStdString());
        double readyMs = -1;
        double learnMs = -1;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
            if (line.startsWith("ready_ns="))
                readyMs = static_cast<double>(line.mid(9).toLongLong() -
                                              std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                  start.time_since_epoch())
                                                  .count()) /
                          1e6;
            else if (line.startsWith("learn_ready_ms="))
                learnMs = line.mid(15).toDouble();
        }
        if (readyMs < 0 || learnMs < 0)
            throw std::runtime_error("memorant did not report its start");
        state.SetIterationTime(readyMs / 1000.0);
        samples()["start_" + name].push_back(readyMs);
        samples()["learn_" + name].push_back(learnMs);
    }
}

// The reply that ends a bunch: every card of the set of 20 answered wrongly, so each pass
// runs over all of them and its last reply ends the bunch (array reordered, every card's
// order key rewritten).
void endOfBunchBench(benchmark::State& state, std::string name) {
    auto session = open(state, kLarge);
    if (!session)
        return;
    Session& s = *session;
    s.learn(QStringLiteral("Reply20"));
    timeSteps(state, name, [&] {
        for (int i = 0; i < 19; ++i)
            s.reply(false);
        const auto start = Clock::now();
        s.reply(false);
        return millisecondsSince(start);
    });
}

// The order-key statement of the end of a bunch alone, over every card of the large
// database; after the first run only the keys that changed are written.
void orderKeysBench(benchmark::State& state, std::string name) {
    auto session = open(state, kLarge);
    if (!session)
        return;
    const QSqlDatabase db = data::mainConnection();
    timeSteps(state, name, [&] {
        const auto start = Clock::now();
        learn::SubReorder(db);
        return millisecondsSince(start);
    });
}

// A fresh copy of the large database to work on alone; empty, the benchmark skipped, when
// it cannot be made.
QString largeCopy(benchmark::State& state) {
    try {
        return bench::workingCopy(kLarge, cacheDir());
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return {};
    }
}

// The automatic backup of the large database (VACUUM INTO a new file), the check made on
// every opening and the full quick_check made in the background, each on the file alone.
void backupBench(benchmark::State& state, std::string name) {
    const QString path = largeCopy(state);
    if (path.isEmpty())
        return;
    timeSteps(state, name, [&] {
        QTemporaryDir dir;
        const auto start = Clock::now();
        const QString reason = data::copyDatabase(path, dir.filePath(QStringLiteral("b.mdb")));
        const double ms = millisecondsSince(start);
        if (!reason.isEmpty())
            throw std::runtime_error(reason.toStdString());
        return ms;
    });
}

// `check` is the check on opening, or the full quick_check run in the background.
void checkBench(benchmark::State& state, data::FileCheck (*check)(const QString&),
                std::string name) {
    const QString path = largeCopy(state);
    if (path.isEmpty())
        return;
    timeSteps(state, name, [&] {
        const auto start = Clock::now();
        const bool sound = check(path).sound;
        const double ms = millisecondsSince(start);
        if (!sound)
            throw std::runtime_error("the benchmark database fails the check");
        return ms;
    });
}

// The offscreen platform warns about window features it lacks; that is noise here.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
    QApplication application(argc, argv);

    using benchmark::RegisterBenchmark;
    // Small and large take turns, so that a busy moment of the machine does not fall on one
    // of them only; their samples are pooled for the ratio.
    for (int round = 0; round < 3; ++round) {
        RegisterBenchmark("reply/1000_cards/10000_log", replyBench, kSmall, "reply_small")
            ->UseManualTime()
            ->Iterations(110)
            ->Unit(benchmark::kMicrosecond);
        RegisterBenchmark("reply/100000_cards/1000000_log", replyBench, kLarge, "reply_large")
            ->UseManualTime()
            ->Iterations(110)
            ->Unit(benchmark::kMicrosecond);
    }
    RegisterBenchmark("load_set/1000_cards", loadBench, QStringLiteral("Load1000"), "load_1000")
        ->UseManualTime()
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("load_set/10000_cards", loadBench, QStringLiteral("Load10000"), "load_10000")
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("load_grid/10000_cards", gridBench, QStringLiteral("Load10000"), "grid_10000")
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark(
        "start/100000_cards/10000_chosen", startBench,
        +[] { return bench::workingCopy(kLarge, cacheDir()); }, "ready")
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("start/100000_cards/1GB_media", startBench, mediaCopy, "ready_media")
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("reply/10000_cards/500_pictures", replyPicturesBench)
        ->UseManualTime()
        ->Iterations(210)
        ->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("end_of_bunch/100000_cards", endOfBunchBench, "end_of_bunch")
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);

    RegisterBenchmark("keys_complete_after_learnt_set/100000_cards", keysCompleteBench,
                      "keys_complete")
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("order_keys/100000_cards", orderKeysBench, "order_keys")
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);

    RegisterBenchmark("backup/100000_cards", backupBench, "backup")
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("opening_check/100000_cards", checkBench, data::openingCheck, "opening_check")
        ->UseManualTime()
        ->Iterations(6)
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("full_quick_check/100000_cards", checkBench, data::quickCheck,
                      "full_quick_check")
        ->UseManualTime()
        ->Iterations(6)
        ->Unit(benchmark::kMillisecond);
    bench::registerExchangeBenchmarks();
    bench::registerWordListBench();
    bench::registerStatsBenchmarks();
    bench::registerDeckBench();
    bench::registerSyncBenchmarks([] {
        try {
            return bench::workingCopy(kLarge, cacheDir());
        } catch (const std::exception&) {
            return QString();
        }
    });

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    try {
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "memorant-bench: %s\n", e.what());
        return 1;
    }
    benchmark::Shutdown();

    for (const auto& [name, ms] : samples())
        std::printf("%s_ms: median=%.4f p95=%.4f p99=%.4f max=%.4f (%zu samples)\n", name.c_str(),
                    median(ms), percentile(ms, 0.95), percentile(ms, 0.99), percentile(ms, 1.0),
                    ms.size());
    const double small = median(samples()["reply_small"]);
    const double large = median(samples()["reply_large"]);
    bench::printExchangeRatios();
    bench::printStatsFigures();
    bench::printSyncFigures();
    // A set is loaded both into the lesson's card array and into the card grid: the slower.
    std::printf("load_10000_p95=%.4f\n", std::max(percentile(samples()["load_10000"], 0.95),
                                                  percentile(samples()["grid_10000"], 0.95)));
    std::printf("reply_ms_pictures_p99=%.4f (target < 16)\n",
                percentile(samples()["reply_pictures"], 0.99));
    std::printf("start_ready_ms_media=%.4f (target < 150)\n",
                median(samples()["start_ready_media"]));
    std::printf("start_ready_ms=%.4f\n", median(samples()["start_ready"]));
    std::printf("learn_ready_ms=%.4f\n", median(samples()["learn_ready"]));
    const double p99Small = percentile(samples()["reply_small"], 0.99);
    const double p99Large = percentile(samples()["reply_large"], 0.99);
    std::printf("reply_ms_small=%.4f reply_ms_large=%.4f ratio=%.3f p99_small=%.4f "
                "p99_large=%.4f p99_ratio=%.3f\n",
                small, large, small > 0 ? large / small : 0.0, p99Small, p99Large,
                p99Small > 0 ? p99Large / p99Small : 0.0);
    return 0;
}
