// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/Fsrs.h"

#include <QFile>
#include <QtTest>
#include <cmath>

using namespace learn::fsrs;

namespace {

struct Review {
    qint64 day = 0;
    Grade grade = Grade::Good;
};

// The same chain replay() runs, for any grade: the published histories use all four.
MemoryState stateAfter(const std::vector<Review>& reviews) {
    MemoryState state = initialState(reviews.front().grade);
    for (std::size_t i = 1; i < reviews.size(); ++i)
        state = nextState(state, static_cast<int>(reviews[i].day - reviews[i - 1].day),
                          reviews[i].grade);
    return state;
}

std::vector<Review> parseHistory(const QList<double>& numbers) {
    std::vector<Review> reviews;
    for (qsizetype i = 0; i + 1 < numbers.size(); i += 2)
        reviews.push_back({static_cast<qint64>(numbers[i]), static_cast<Grade>(numbers[i + 1])});
    return reviews;
}

QList<double> numbersOf(const QString& text) {
    QList<double> numbers;
    for (const QString& part :
         text.split(QRegularExpression(QStringLiteral("[ :]")), Qt::SkipEmptyParts))
        numbers << part.toDouble();
    return numbers;
}

Grade gradeOf(double value) {
    return static_cast<Grade>(static_cast<int>(value));
}

// What the model gives for one row of the reference table.
QList<double> modelValues(const QString& kind, const QList<double>& in) {
    if (kind == QLatin1String("curve"))
        return {retrievability(in[0], in[1])};
    if (kind == QLatin1String("interval"))
        return {intervalDays(in[0], in[1])};
    if (kind == QLatin1String("recall"))
        return {stabilityAfterRecall({in[0], in[1]}, in[2], gradeOf(in[3]))};
    if (kind == QLatin1String("lapse"))
        return {stabilityAfterLapse({in[0], in[1]}, in[2])};
    if (kind == QLatin1String("sameday"))
        return {sameDayStability(in[0], gradeOf(in[1]))};
    if (kind == QLatin1String("difficulty"))
        return {nextDifficulty(in[0], gradeOf(in[1]))};
    if (kind == QLatin1String("history")) {
        const MemoryState state = stateAfter(parseHistory(in));
        return {state.stability, state.difficulty};
    }
    if (kind == QLatin1String("due")) {
        const double days = intervalDays(stateAfter(parseHistory(in)).stability, 0.9);
        return {std::max(1.0, std::round(days))};
    }
    return {};
}

// Histories a learner could leave: long, with gaps of years and runs on one day.
std::vector<Review> stressHistory(int length, int seed) {
    std::vector<Review> reviews;
    reviews.reserve(static_cast<std::size_t>(length));
    qint64 day = 2460000;
    for (int i = 0; i < length; ++i) {
        const int pick = (i * 7 + seed * 13) % 11;
        if (pick == 0)
            day += 3000; // years away
        else if (pick > 5)
            day += static_cast<qint64>(pick) * pick;
        // otherwise the same day again
        reviews.push_back({day, static_cast<Grade>(1 + (i * 5 + seed) % 4)});
    }
    return reviews;
}

void verifySane(const MemoryState& state) {
    QVERIFY2(std::isfinite(state.stability) && state.stability > 0,
             qPrintable(QString::number(state.stability)));
    QVERIFY(state.stability <= 36500);
    QVERIFY2(state.difficulty >= 1 && state.difficulty <= 10,
             qPrintable(QString::number(state.difficulty)));
}

} // namespace

class TestFsrs : public QObject {
    Q_OBJECT
  private slots:
    void publishedValues_data();
    void publishedValues();
    void forgettingCurve();
    void stateStaysInRange();
    void sameDayAndLapse();
    void replayOfTheLog();
};

void TestFsrs::publishedValues_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("tolerance");
    QFile file(QStringLiteral(MEMORANT_FIXTURES "/fsrs/reference.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int lineNumber = 0;
    QSet<QString> kinds;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        QCOMPARE(fields.size(), 5);
        QTest::addRow("line %d %s %s", lineNumber, qPrintable(fields[0]), qPrintable(fields[4]))
            << fields[0] << fields[1] << fields[2] << fields[3].toDouble();
        kinds << fields[0];
    }
    // A table cut short, or a kind misspelt, must not pass as checked.
    QCOMPARE(kinds, (QSet<QString>{QStringLiteral("curve"), QStringLiteral("interval"),
                                   QStringLiteral("recall"), QStringLiteral("lapse"),
                                   QStringLiteral("sameday"), QStringLiteral("difficulty"),
                                   QStringLiteral("history"), QStringLiteral("due")}));
}

void TestFsrs::publishedValues() {
    QFETCH(QString, kind);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(double, tolerance);
    const QList<double> in = numbersOf(input);
    const QList<double> want = numbersOf(expected);
    const QList<double> got = modelValues(kind, in);
    QCOMPARE(got.size(), want.size());
    for (qsizetype i = 0; i < got.size(); ++i) {
        const double allowed = tolerance * std::max(1.0, std::abs(want[i]));
        QVERIFY2(std::abs(got[i] - want[i]) <= allowed,
                 qPrintable(QStringLiteral("value %1: got %2, expected %3")
                                .arg(i)
                                .arg(got[i], 0, 'g', 10)
                                .arg(want[i], 0, 'g', 10)));
    }
    // Histories of Again and Good are what the log holds: replay() must agree with the chain.
    if (kind == QLatin1String("history") || kind == QLatin1String("due")) {
        std::vector<Reply> replies;
        for (const Review& review : parseHistory(in)) {
            if (review.grade != Grade::Again && review.grade != Grade::Good)
                return;
            replies.push_back({review.day, review.grade == Grade::Good});
        }
        const auto state = replay(replies);
        QVERIFY(state);
        const MemoryState chained = stateAfter(parseHistory(in));
        QCOMPARE(state->stability, chained.stability);
        QCOMPARE(state->difficulty, chained.difficulty);
    }
}

// R(0) = 1, R falls with time, R(S) = 0.9, and the interval is the curve's inverse.
void TestFsrs::forgettingCurve() {
    for (const double s : {0.212, 1.0, 7.3, 120.0, 3000.0}) {
        QCOMPARE(retrievability(0, s), 1.0);
        double previous = 1;
        for (const double t : {0.5, 1.0, 3.0, 30.0, 365.0, 10000.0}) {
            const double r = retrievability(t, s);
            QVERIFY2(r < previous && r > 0, qPrintable(QStringLiteral("s %1 t %2").arg(s).arg(t)));
            previous = r;
        }
        QVERIFY(std::abs(retrievability(s, s) - 0.9) < 1e-12);
        QVERIFY(std::abs(intervalDays(s, 0.9) - s) < 1e-9 * s);
        for (const double r : {0.7, 0.8, 0.95, 0.99}) {
            const double days = intervalDays(s, r);
            QVERIFY(std::abs(retrievability(days, s) - r) < 1e-9);
            QCOMPARE(r > 0.9, days < s); // a higher target asks sooner
        }
    }
    // A target of 1 or 0 gives a finite answer, not zero division or infinity.
    QVERIFY(std::isfinite(intervalDays(10, 1.0)) && intervalDays(10, 1.0) >= 0);
    QVERIFY(std::isfinite(intervalDays(10, 0.0)));
}

// Any sequence, however long or odd, keeps 1 <= D <= 10 and 0 < S <= 36500; a state read from a
// damaged record is brought back into range rather than spreading NaN.
void TestFsrs::stateStaysInRange() {
    for (const int seed : {0, 1, 2, 3}) {
        const std::vector<Review> reviews = stressHistory(200, seed);
        MemoryState state = initialState(reviews.front().grade);
        for (std::size_t i = 1; i < reviews.size(); ++i) {
            state = nextState(state, static_cast<int>(reviews[i].day - reviews[i - 1].day),
                              reviews[i].grade);
            verifySane(state);
        }
    }
    for (const Grade g : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy}) {
        verifySane(initialState(g));
        verifySane(nextState({std::nan(""), std::nan("")}, 3, g));
        verifySane(nextState({-4, 0}, 0, g));
        verifySane(nextState({1e9, 50}, 100000, g));
    }
    // Right every day for 200 days: stability keeps growing.
    std::vector<Reply> daily;
    daily.reserve(200);
    for (int i = 0; i < 200; ++i)
        daily.push_back({2460000 + i, true});
    const auto state = replay(daily);
    QVERIFY(state);
    verifySane(*state);
    QVERIFY(state->stability > 365);
}

void TestFsrs::sameDayAndLapse() {
    const MemoryState learnt{20, 5};
    // On the same day a passing grade never lowers stability (Hard included, as in the newest
    // FSRS-6); Again lowers it.
    for (const Grade g : {Grade::Hard, Grade::Good, Grade::Easy})
        QVERIFY(nextState(learnt, 0, g).stability >= learnt.stability);
    QVERIFY(nextState(learnt, 0, Grade::Again).stability < learnt.stability);
    // A later lapse leaves the card less stable than before, even after a long gap, and a later
    // success more stable, the more so the longer it was kept.
    for (const int days : {1, 20, 400}) {
        QVERIFY(nextState(learnt, days, Grade::Again).stability < learnt.stability);
        QVERIFY(nextState(learnt, days, Grade::Good).stability > learnt.stability);
    }
    QVERIFY(nextState(learnt, 40, Grade::Good).stability >
            nextState(learnt, 10, Grade::Good).stability);
    // Grades order stability and difficulty alike.
    const MemoryState hard = nextState(learnt, 20, Grade::Hard);
    const MemoryState good = nextState(learnt, 20, Grade::Good);
    const MemoryState easy = nextState(learnt, 20, Grade::Easy);
    QVERIFY(hard.stability < good.stability && good.stability < easy.stability);
    QVERIFY(hard.difficulty > good.difficulty && good.difficulty > easy.difficulty);
}

void TestFsrs::replayOfTheLog() {
    QVERIFY(!replay({}));
    const auto wrongFirst = replay({{100, false}});
    QVERIFY(wrongFirst);
    QCOMPARE(wrongFirst->stability, initialState(Grade::Again).stability);
    QCOMPARE(wrongFirst->difficulty, initialState(Grade::Again).difficulty);
    // Two replies on one day use the same-day formula, a day apart the long-term one.
    const MemoryState first = initialState(Grade::Good);
    QCOMPARE(replay({{100, true}, {100, true}})->stability,
             nextState(first, 0, Grade::Good).stability);
    QCOMPARE(replay({{100, true}, {101, true}})->stability,
             nextState(first, 1, Grade::Good).stability);
    // Days given out of order are read in day order, replies of one day in log order.
    const std::vector<Reply> ordered{{100, false}, {100, true}, {103, true}, {110, false}};
    const std::vector<Reply> shuffled{{110, false}, {100, false}, {103, true}, {100, true}};
    QCOMPARE(replay(shuffled)->stability, replay(ordered)->stability);
    QCOMPARE(replay(shuffled)->difficulty, replay(ordered)->difficulty);
    // A gap beyond int's range is a very long gap, not a negative one.
    const auto far = replay({{0, true}, {qint64(1) << 40, true}});
    QVERIFY(far);
    verifySane(*far);
    QVERIFY(far->stability > first.stability);
}

QTEST_GUILESS_MAIN(TestFsrs)
#include "test_fsrs.moc"
