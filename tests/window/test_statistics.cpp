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
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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
    void oddDatesLeaveADrawableRange();
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();
    void fitsThisScreen();

  private:
    window::StatisticsWindow* open() {
        f->w->controls().mnuStatistics->trigger();
        return f->w->findChild<window::StatisticsWindow*>();
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
    window::StatisticsWindow* s = open();
    QVERIFY(s && s->isVisible());
    s->rangeChooser->setCurrentIndex(range);
    if (!set.isEmpty())
        s->setChooser->setCurrentText(set);

    const QDate today = QDate::currentDate();
    const stats::DayRange shown =
        range == 3 ? stats::allDays(f->t.db(), today)
                   : stats::lastDays(window::StatisticsWindow::rangeDays()[range], today);
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
    window::StatisticsWindow* s = open();
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
    QCOMPARE(f->w->findChildren<window::StatisticsWindow*>().size(), 1);
}

void TestStatistics::doubleClickOpensTheCardInItsSet() {
    window::StatisticsWindow* s = open();
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
    window::StatisticsWindow* s = open();
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

// Rows at the ends of time are named, not drawn; a log from 1900 on is drawn a bar per
// some weeks, so the chart's size does not follow the span of its dates.
void TestStatistics::oddDatesLeaveADrawableRange() {
    f->t.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
              "('0001-01-01', 'Verbs', 1, 'Wrong'), ('9999-12-31', 'Verbs', 1, 'Wrong')");
    window::StatisticsWindow* s = open();
    s->rangeChooser->setCurrentIndex(3);
    QCOMPARE(s->correctBars->count(), 41);
    QCOMPARE(s->slotDays(), 1);
    QVERIFY(s->dateNote->isVisible());
    QVERIFY2(s->dateNote->text().startsWith("2 log rows are dated outside 1900-01-01 to "
                                            "2199-12-31 and not shown"),
             qPrintable(s->dateNote->text()));

    f->t.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
              "('1900-01-01', 'Verbs', 1, 'Wrong')");
    s->rangeChooser->setCurrentIndex(0);
    s->rangeChooser->setCurrentIndex(3);
    QVERIFY2(s->correctBars->count() <= window::StatisticsWindow::kMostSlots,
             qPrintable(QString::number(s->correctBars->count())));
    QCOMPARE(s->correctBars->count(), s->shownDays().size());
    QCOMPARE(s->slotDays() % 7, 0);
    QVERIFY(s->barsView->chart()->title().startsWith(
        QStringLiteral("Replies per %1 days, 1900-01-01 – ").arg(s->slotDays())));
    int replies = 0;
    for (const stats::DayCount& d : s->shownDays())
        replies += d.replies;
    QCOMPARE(replies, 11);
}

// Each screen in a program of its own: the offscreen screen's size is set when it starts.
void TestStatistics::windowFitsTheScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("scale");
    QTest::newRow("1024x768") << QSize(1024, 768) << "1";
    QTest::newRow("1280x1024 at scale 2") << QSize(1280, 1024) << "2";
}

void TestStatistics::windowFitsTheScreen() {
    QFETCH(QSize, screen);
    QFETCH(QString, scale);
    const QString config = f->t.dir() + "/screen.json";
    QFile json(config);
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.write(QStringLiteral("{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, "
                              "\"width\": %1, \"height\": %2, \"logicalDpi\": 96}]}")
                   .arg(screen.width())
                   .arg(screen.height())
                   .toUtf8());
    json.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MEMORANT_SCREEN_CHECK", "1");
    env.insert("QT_SCALE_FACTOR", scale);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"fitsThisScreen", "-platform", "offscreen:configfile=" + config});
    QVERIFY(child.waitForFinished(60000));
    const QString said = QString::fromUtf8(child.readAll());
    QVERIFY2(child.exitCode() == 0 && said.contains("PASS   : TestStatistics::fitsThisScreen()"),
             qPrintable(said));
}

// Run by windowFitsTheScreen on the screen it sets: the window is wholly on the screen,
// every button and table can be reached, and the tables show every column, a long answer
// and a long set name elided, whole in their tooltips.
void TestStatistics::fitsThisScreen() {
    if (!qEnvironmentVariableIsSet("MEMORANT_SCREEN_CHECK"))
        QSKIP("run by windowFitsTheScreen on a screen of its own");
    const QString answer = QString(300, QLatin1Char('w'));
    f->t.exec("UPDATE Card SET Answer = ? WHERE Card_ID = ?", {answer, hardest});
    f->t.exec("UPDATE Set1 SET SetName = ? WHERE SetName = 'Verbs'", {QString(200, 'V')});
    window::StatisticsWindow* s = open();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    QApplication::processEvents();
    const QRect room = s->screen()->availableGeometry();
    QVERIFY2(room.contains(s->frameGeometry()),
             qPrintable(QStringLiteral("%1x%2 window on a %3x%4 screen")
                            .arg(s->frameGeometry().width())
                            .arg(s->frameGeometry().height())
                            .arg(room.width())
                            .arg(room.height())));
    for (QWidget* w : std::initializer_list<QWidget*>{s->savePngButton, s->saveCsvButton,
                                                      s->setTable, s->hardTable}) {
        s->area->ensureWidgetVisible(w, 0, 0);
        QApplication::processEvents();
        const QRect at(w->mapTo(s, QPoint(0, 0)), w->size());
        QVERIFY2(w->isVisible() && s->rect().intersects(at), qPrintable(w->objectName()));
    }
    s->setTable->setCurrentCell(1, 0);
    QCOMPARE(s->setTable->item(1, 0)->toolTip(), QString(200, 'V'));
    QCOMPARE(s->hardTable->item(0, 1)->toolTip(), answer);
    for (QTableWidget* table : {s->setTable, s->hardTable}) {
        const QHeaderView* h = table->horizontalHeader();
        const int last = h->count() - 1;
        QVERIFY2(h->sectionViewportPosition(last) + h->sectionSize(last) <=
                     table->viewport()->width(),
                 qPrintable(table->objectName()));
        QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
        for (int c = 0; c <= last; ++c)
            if (h->sectionResizeMode(c) != QHeaderView::Stretch)
                QVERIFY2(h->sectionSize(c) >= h->sectionSizeHint(c),
                         qPrintable(table->model()->headerData(c, Qt::Horizontal).toString()));
    }
}

QTEST_MAIN(TestStatistics)
#include "test_statistics.moc"
