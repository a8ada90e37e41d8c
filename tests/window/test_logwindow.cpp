// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RecordsetModel.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"
#include "window/Form1.h"
#include "window/LogMenu.h"
#include "window/LogWindow.h"

#include <QAction>
#include <QTableView>
#include <QtTest>
#include <memory>

class TestLogWindow : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void showsTheLogRows();
    void showingAgainWhileOpenDoesNotReload();
    void generalDate_data();
    void generalDate();

    void cleanLogAnsweredNoKeepsTheRows();
    void cleanLogAnsweredYesEmptiesTheLog();
    void cleanLogOnAnEmptyLogShowsNothingMore();

  private:
    app::Form4* logWindow() { return w->findChild<app::Form4*>(); }
    void addLog(const QString& date, qint64 cardId, const QString& result) {
        t->exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES (?, 'Verbs', ?, ?)",
                {date, cardId, result});
    }
    int logRows() { return t->scalar("SELECT COUNT(*) FROM Log").toInt(); }

    std::unique_ptr<testing::TempDatabase> t;
    testing::ScriptedDialogs dialogs;
    testing::RecordingSpeech speech;
    std::unique_ptr<app::Form1> w;
    qint64 card = 0;
};

void TestLogWindow::init() {
    t = std::make_unique<testing::TempDatabase>();
    dialogs.clear();
    const qint64 set = t->addSet("Verbs");
    card = t->addCard("to go", "gehen", set);
    addLog("2024-03-04", card, "Correct");
    addLog("2024-03-05", card + 1000, "Wrong"); // its card is gone
    w = std::make_unique<app::Form1>(t->db(), dialogs, speech);
    w->Form_Load();
}

void TestLogWindow::cleanup() {
    w.reset();
    t.reset();
}

void TestLogWindow::showsTheLogRows() {
    QVERIFY(!logWindow());
    w->controls().mnulog->trigger();
    app::Form4* form = logWindow();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QVERIFY(!form->isModal());
    QCOMPARE(form->windowTitle(), QString("Log"));

    QAbstractItemModel* m = form->TDBGrid1->model();
    QCOMPARE(m->columnCount(), 4);
    QStringList captions;
    for (int c = 0; c < 4; ++c)
        captions << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(captions, QStringList({"Date", "SetName", "Question", "Result"}));
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(m->index(0, 2).data().toString(), QString("to go"));
    QCOMPARE(m->index(0, 3).data().toString(), QString("Correct"));
    QCOMPARE(m->index(1, 1).data().toString(), QString("Verbs"));
    QCOMPARE(m->index(1, 2).data().toString(), QString(""));
    QCOMPARE(m->index(1, 3).data().toString(), QString("Wrong"));
    QVERIFY(!(m->flags(m->index(0, 2)) & Qt::ItemIsEditable));
}

void TestLogWindow::showingAgainWhileOpenDoesNotReload() {
    w->controls().mnulog->trigger();
    app::Form4* form = logWindow();
    addLog("2024-03-06", card, "Correct");
    w->controls().mnulog->trigger();
    QCOMPARE(logWindow(), form);
    QCOMPARE(form->TDBGrid1->model()->rowCount(), 2);

    // Closed and shown again, it reads the log afresh.
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!logWindow());
    w->controls().mnulog->trigger();
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
    const QString shown = app::generalDate(stored);
    QVERIFY2(shown.contains(QLocale().toString(QDate(2024, 3, 4), QLocale::ShortFormat)),
             qPrintable(shown));
    QCOMPARE(shown.contains("15"), showsTime);
    QCOMPARE(app::generalDate(QString("not a date")), QString("not a date"));
    QCOMPARE(app::generalDate(QVariant()), QString());
}

void TestLogWindow::cleanLogAnsweredNoKeepsTheRows() {
    dialogs.nextAnswer(false);
    w->controls().mnuCleanLog->trigger();
    QCOMPARE(dialogs.shown().size(), 1);
    QCOMPARE(dialogs.shown().first().kind, testing::ScriptedDialogs::Shown::Confirm);
    QCOMPARE(dialogs.lastText(),
             QString("Are you sure you want to delete all the records from the Log?"));
    QCOMPARE(dialogs.shown().first().title, QString());
    QCOMPARE(dialogs.shown().first().byDefault, present::Dialogs::Button::No);
    QCOMPARE(logRows(), 2);
}

void TestLogWindow::cleanLogAnsweredYesEmptiesTheLog() {
    w->controls().mnulog->trigger();
    dialogs.nextAnswer(true);
    w->controls().mnuCleanLog->trigger();
    QCOMPARE(logRows(), 0);
    QCOMPARE(t->scalar("SELECT COUNT(*) FROM Card").toInt(), 1); // only the log goes
    QCOMPARE(dialogs.shown().size(), 1);
    // The open window keeps what it showed until it is loaded again.
    QCOMPARE(logWindow()->TDBGrid1->model()->rowCount(), 2);
}

void TestLogWindow::cleanLogOnAnEmptyLogShowsNothingMore() {
    t->exec("DELETE FROM Log");
    dialogs.nextAnswer(true);
    w->controls().mnuCleanLog->trigger();
    QCOMPARE(logRows(), 0);
    QCOMPARE(dialogs.shown().size(), 1);
}

QTEST_MAIN(TestLogWindow)
#include "test_logwindow.moc"
