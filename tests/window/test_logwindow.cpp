// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"
#include "window/LogWindow.h"

#include <QAction>
#include <QTableView>
#include <QtTest>

class TestLogWindow : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { f.reset(); }

    void showsTheLogRows();
    void showsHowForgivenRepliesWereJudged();
    void showsTheDirectionOnceAReplyWasAskedBack_data();
    void showsTheDirectionOnceAReplyWasAskedBack();
    void showingAgainWhileOpenDoesNotReload();
    void generalDate_data();
    void generalDate();

    void cleanLog_data();
    void cleanLog();

  private:
    window::Form4* logWindow() { return f->w->findChild<window::Form4*>(); }
    void addLog(const QString& date, qint64 cardId, const QString& result) {
        f->t.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES (?, 'Verbs', ?, ?)",
                  {date, cardId, result});
    }

    std::unique_ptr<testing::WindowFixture> f;
    qint64 card = 0;
};

void TestLogWindow::init() {
    f = std::make_unique<testing::WindowFixture>();
    const qint64 set = f->t.addSet("Verbs");
    card = f->t.addCard("to go", "gehen", set);
    addLog("2024-03-04", card, "Correct");
    addLog("2024-03-05", card + 1000, "Wrong"); // its card is gone
    f->start();
}

void TestLogWindow::showsTheLogRows() {
    QVERIFY(!logWindow());
    f->w->controls().mnulog->trigger();
    window::Form4* form = logWindow();
    QVERIFY(form && form->isVisible() && !form->isModal());

    QAbstractItemModel* m = form->TDBGrid1->model();
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int column : {1, 2, 3})
            rows << m->index(r, column).data().toString();
    QCOMPARE(m->columnCount(), 4);
    QCOMPARE(rows, (QStringList{"Verbs", "to go", "Correct", "Verbs", "", "Wrong"}));
    QVERIFY(!(m->flags(m->index(0, 2)) & Qt::ItemIsEditable));
}

// A reply let pass by forgiving judging is logged "Correct" with its rule beside it; the
// column appears once a row holds a rule, and qLog stays as it is.
void TestLogWindow::showsHowForgivenRepliesWereJudged() {
    f->pick("Verbs");
    f->c().mnuLearn->trigger();
    f->c().mnuIgnoreCapitals->trigger();
    f->c().mnuIgnoreBlanks->trigger();
    f->reply(" Gehen ");
    QCOMPARE(f->t.column("SELECT Result || ' ' || quote(JudgedBy) FROM Log ORDER BY RecID"),
             (QStringList{"Correct NULL", "Wrong NULL", "Correct 'capitals+blanks'"}));
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM pragma_table_info('qLog')").toInt(), 4);
    f->c().mnulog->trigger();
    QAbstractItemModel* m = logWindow()->TDBGrid1->model();
    QCOMPARE(m->columnCount(), 5);
    QCOMPARE(m->headerData(4, Qt::Horizontal).toString(), QStringLiteral("JudgedBy"));
    QCOMPARE(m->index(2, 3).data().toString(), QStringLiteral("Correct"));
    QCOMPARE(m->index(2, 4).data().toString(), QStringLiteral("capitals+blanks"));
    QVERIFY(m->index(0, 4).data().toString().isEmpty());
}

void TestLogWindow::showsTheDirectionOnceAReplyWasAskedBack_data() {
    QTest::addColumn<QString>("firstRow"); // Direction and JudgedBy of the first row
    QTest::addColumn<QString>("secondRow");
    QTest::addColumn<QStringList>("extraColumns"); // header: first row's value, second's
    QTest::newRow("asked one way, stored empty or NULL") << "'', NULL"
                                                         << "NULL, NULL" << QStringList{};
    QTest::newRow("one reply asked back")
        << "NULL, NULL"
        << "'reverse', NULL" << QStringList{"Direction: , reverse"};
    QTest::newRow("asked back and forgiven")
        << "'reverse', NULL"
        << "'', 'capitals'" << QStringList{"JudgedBy: , capitals", "Direction: reverse, "};
}

// The column appears only once a reply was asked answer to question, with the value as
// stored; qLog keeps its four columns for everyone else who reads it.
void TestLogWindow::showsTheDirectionOnceAReplyWasAskedBack() {
    QFETCH(QString, firstRow);
    QFETCH(QString, secondRow);
    QFETCH(QStringList, extraColumns);
    int row = 0;
    for (const QString& values : {firstRow, secondRow})
        f->t.exec(QStringLiteral("UPDATE Log SET (Direction, JudgedBy) = (%1) WHERE RecID = "
                                 "(SELECT RecID FROM Log ORDER BY RecID LIMIT 1 OFFSET %2)")
                      .arg(values)
                      .arg(row++));
    f->w->controls().mnulog->trigger();
    QAbstractItemModel* m = logWindow()->TDBGrid1->model();
    QCOMPARE(m->columnCount(), 4 + extraColumns.size());
    QStringList shown;
    for (int c = 4; c < m->columnCount(); ++c)
        shown << m->headerData(c, Qt::Horizontal).toString() + ": " +
                     m->index(0, c).data().toString() + ", " + m->index(1, c).data().toString();
    QCOMPARE(shown, extraColumns);
    QCOMPARE(m->index(1, 2).data().toString(), QString()); // its card is gone
    QCOMPARE(m->index(1, 3).data().toString(), QStringLiteral("Wrong"));
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM pragma_table_info('qLog')").toInt(), 4);
}

void TestLogWindow::showingAgainWhileOpenDoesNotReload() {
    f->w->controls().mnulog->trigger();
    window::Form4* form = logWindow();
    addLog("2024-03-06", card, "Correct");
    f->w->controls().mnulog->trigger();
    QCOMPARE(logWindow(), form);
    QCOMPARE(form->TDBGrid1->model()->rowCount(), 2);

    // Closed and shown again, it reads the log afresh.
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!logWindow());
    f->w->controls().mnulog->trigger();
    QVERIFY(logWindow());
    QCOMPARE(logWindow()->TDBGrid1->model()->rowCount(), 3);
}

void TestLogWindow::generalDate_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("showsTime");
    QTest::newRow("day") << "2024-03-04" << false;
    QTest::newRow("day and time") << "2024-03-04T10:15:30" << true;
    QTest::newRow("day and time, blank") << "2024-03-04 10:15:30" << true;
}

void TestLogWindow::generalDate() {
    QFETCH(QString, stored);
    QFETCH(bool, showsTime);
    const QString shown = window::generalDate(stored);
    QVERIFY2(shown.contains(QLocale().toString(QDate(2024, 3, 4), QLocale::ShortFormat)),
             qPrintable(shown));
    QCOMPARE(shown.contains("15"), showsTime);
    QCOMPARE(window::generalDate(QString("not a date")), QString("not a date"));
    QCOMPARE(window::generalDate(QVariant()), QString());
}

void TestLogWindow::cleanLog_data() {
    QTest::addColumn<bool>("emptyFirst");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("rowsAfter");
    QTest::newRow("answered no") << false << false << 2;
    QTest::newRow("answered yes") << false << true << 0;
    QTest::newRow("empty log") << true << true << 0;
}

void TestLogWindow::cleanLog() {
    QFETCH(bool, emptyFirst);
    QFETCH(bool, answer);
    QFETCH(int, rowsAfter);
    if (emptyFirst)
        f->t.exec("DELETE FROM Log");
    f->w->controls().mnulog->trigger();
    f->dialogs.nextAnswer(answer);
    f->w->controls().mnuCleanLog->trigger();
    QCOMPARE(f->logRows(), rowsAfter);
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM Card").toInt(), 1); // only the log goes
    QCOMPARE(f->dialogs.shown().size(), 1);
    QCOMPARE(f->dialogs.shown().first().kind, testing::ScriptedDialogs::Shown::Confirm);
    QCOMPARE(f->dialogs.shown().first().byDefault, present::Dialogs::Button::No);
    // The open window keeps what it showed until it is loaded again.
    QCOMPARE(logWindow()->TDBGrid1->model()->rowCount(), emptyFirst ? 0 : 2);
}

QTEST_MAIN(TestLogWindow)
#include "test_logwindow.moc"
