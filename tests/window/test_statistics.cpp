// SPDX-License-Identifier: GPL-3.0-or-later
// File > Log > Statistics..., as a learner uses it after a few lessons on two sets.
#include "cli/RunCommand.h"
#include "stats/LogAggregates.h"
#include "support/Files.h"
#include "support/WindowFixture.h"
#include "window/ReplyCalendar.h"
#include "window/StatisticsWindow.h"

#include <QAction>
#include <QBarSet>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

class TestStatistics : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { f.reset(); }

    void chartsHoldTheAggregates_data();
    void chartsHoldTheAggregates();
    void calendarRunsAndOneWindow();
    void doubleClickOpensTheCardInItsSet();
    void savedCsvReadsBackAndMatchesTheCommand();

  private:
    app::StatisticsWindow* open() {
        f->w->controls().mnuStatistics->trigger();
        return f->w->findChild<app::StatisticsWindow*>();
    }
    void log(int daysAgo, const QString& set, qint64 card, const QString& result) {
        f->t.exec(
            "INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES (?, ?, ?, ?)",
            {QDate::currentDate().addDays(-daysAgo).toString(Qt::ISODate), set, card, result});
    }

    std::unique_ptr<testing::WindowFixture> f;
    qint64 hardest = 0;
};

// Lessons today, yesterday and three days ago; none two days ago.
void TestStatistics::init() {
    f = std::make_unique<testing::WindowFixture>();
    const qint64 verbs = f->t.addSet("Verbs");
    const qint64 go = f->t.addCard("to go", "gehen", verbs);
    hardest = f->t.addCard("to be", "sein", verbs);
    f->t.addCard("to have", "haben", verbs);
    const qint64 nouns = f->t.addSet("Nouns");
    const qint64 house = f->t.addCard("house", "Haus", nouns);
    f->t.exec("UPDATE Card SET Incorrect = 2, Rating = -1 WHERE Card_ID = ?", {hardest});
    f->t.exec("UPDATE Card SET Incorrect = 1, Rating = 0.5, Correct = 1 WHERE Card_ID = ?", {go});
    for (int ago : {0, 1, 3}) {
        log(ago, "Verbs", go, "Correct");
        log(ago, "Verbs", hardest, "Wrong");
        log(ago, "Nouns", house, ago == 1 ? "Wrong" : "Correct");
    }
    log(40, "Verbs", 999, "Wrong"); // a deleted card, outside the first range
    f->start();
}

void TestStatistics::chartsHoldTheAggregates_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("set");
    QTest::addColumn<int>("days");
    QTest::newRow("last 30 days, all sets") << 0 << "" << 30;
    QTest::newRow("last 90 days, one set") << 1 << "Nouns" << 90;
    QTest::newRow("all days") << 3 << "" << 41;
}

void TestStatistics::chartsHoldTheAggregates() {
    QFETCH(int, range);
    QFETCH(QString, set);
    QFETCH(int, days);
    app::StatisticsWindow* s = open();
    QVERIFY(s && s->isVisible());
    s->rangeChooser->setCurrentIndex(range);
    if (!set.isEmpty())
        s->setChooser->setCurrentText(set);

    const QDate today = QDate::currentDate();
    const stats::DayRange shown =
        range == 3 ? stats::allDays(f->t.db(), today)
                   : stats::lastDays(app::StatisticsWindow::rangeDays()[range], today);
    const QVector<stats::DayCount> expected = stats::repliesPerDay(f->t.db(), shown, set);
    QCOMPARE(expected.size(), days);
    QCOMPARE(s->correctBars->count(), days);
    QCOMPARE(s->wrongBars->count(), days);
    QList<QPointF> shares;
    for (int i = 0; i < days; ++i) {
        QCOMPARE(s->correctBars->at(i), qreal(expected[i].correct));
        QCOMPARE(s->wrongBars->at(i), qreal(expected[i].wrong()));
        if (expected[i].replies > 0)
            shares << QPointF(i, double(expected[i].correct) / expected[i].replies);
    }
    // The line breaks at a day without replies: today and yesterday are one piece, three
    // days ago (and forty, in all days) others.
    QList<QPointF> points;
    for (QLineSeries* line : s->shareLines())
        points << line->points();
    QCOMPARE(points, shares);
    QCOMPARE(s->shareLines().size(), range == 3 ? 3 : 2);

    QCOMPARE(s->setTable->rowCount(), set.isEmpty() ? 2 : 1);
    QCOMPARE(s->setTable->item(0, 0)->text(), set.isEmpty() ? QString("Nouns") : set);
}

void TestStatistics::calendarRunsAndOneWindow() {
    app::StatisticsWindow* s = open();
    QCOMPARE(s->calendar->days().size(), 365);
    QCOMPARE(s->calendar->days().last().replies, 3);
    // Today stays in sight however narrow the window.
    for (const int width : {700, 400}) {
        s->calendar->resize(width, s->calendar->height());
        const QRect today = s->calendar->cellRect(364);
        QVERIFY2(s->calendar->rect().contains(today), qPrintable(QString::number(width)));
        QVERIFY(!today.intersects(s->calendar->cellRect(363)));
    }
    QVERIFY2(s->runsLabel->text().contains("Current run: 2 days"),
             qPrintable(s->runsLabel->text()));
    QVERIFY(s->runsLabel->text().contains("Longest run this year: 2 days"));
    open();
    QCOMPARE(f->w->findChildren<app::StatisticsWindow*>().size(), 1);
}

void TestStatistics::doubleClickOpensTheCardInItsSet() {
    app::StatisticsWindow* s = open();
    s->setTable->setCurrentCell(1, 0); // Verbs
    QCOMPARE(s->hardTable->rowCount(), 2);
    QCOMPARE(s->hardTable->item(0, 0)->text(), QStringLiteral("to be"));
    QTableWidget* h = s->hardTable;
    const QPoint at = h->visualItemRect(h->item(0, 0)).center();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(h->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(f->w->controls().DataCombo1->currentText(), QStringLiteral("Verbs"));
    QVERIFY(f->w->screens().setEditing);
    QTableView* grid = f->w->controls().TDBGrid2;
    QCOMPARE(f->w->controls().Adodc2->valueAt(grid->currentIndex().row(), "Card_ID").toLongLong(),
             hardest);
}

void TestStatistics::savedCsvReadsBackAndMatchesTheCommand() {
    app::StatisticsWindow* s = open();
    const QString csv = f->t.dir() + "/numbers.csv";
    const QString png = f->t.dir() + "/chart.png";
    s->chooseSaveFile = [&](const QString& caption, const QString&) {
        return caption.contains("PNG") ? png : csv;
    };
    s->savePngButton->click();
    s->saveCsvButton->click();
    QVERIFY2(f->dialogs.texts().isEmpty(), qPrintable(f->dialogs.texts().join('\n')));
    QVERIFY(!QImage(png).isNull());

    // Read back: the days the window shows, then after an empty line the sets.
    const QStringList lines = QString::fromUtf8(testing::readFile(csv)).split('\n');
    QCOMPARE(lines.indexOf(QString()), 31);
    const stats::DayCount& today = s->shownDays().last();
    QCOMPARE(lines[30], QStringLiteral("%1,3,2,1,0.6667").arg(today.day.toString(Qt::ISODate)));
    QCOMPARE(lines[34], QStringLiteral("Verbs,3,2,6,3,0.5000,-0.1667"));

    // The command prints the same numbers.
    const testing::Run r =
        testing::memorant({"--db", f->t.path(), "stats", "--days", "30", "--csv"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QString::fromUtf8(testing::readFile(csv)));
}

QTEST_MAIN(TestStatistics)
#include "test_statistics.moc"
