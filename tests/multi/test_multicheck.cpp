// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/LessonState.h"
#include "multi/ComparisonWindow.h"
#include "support/WindowFixture.h"

namespace {

const QStringList kBaltic = {QStringLiteral("Estonia"), QStringLiteral("Latvia"),
                             QStringLiteral("Lithuania")};

// What the comparison window showed when it was opened.
struct ShownComparison {
    QList<QStringList> rows; // answer, reply
    QList<int> marked;
    QString title;
};

} // namespace

class TestMultiCheck : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::WindowFixture> f;
    QList<ShownComparison> windows;
    qint64 baltic = 0;

    // The sample set with its multiple-answer card asked first.
    void startOnBaltic(const QVariant& showOrder) {
        f = std::make_unique<testing::WindowFixture>(true);
        baltic = f->t.scalar("SELECT Card_ID FROM Card WHERE Answer = 'Multi'").toLongLong();
        f->t.exec("UPDATE Card SET \"Order\" = 0, ShowOrder = ? WHERE Card_ID = ?",
                  {showOrder, baltic});
        f->start();
        f->learn();
        QVERIFY(!f->c().TDBGrid3->isHidden());
    }

    // Types each reply into a new row of the reply grid and presses the check button.
    void answer(const QStringList& replies) {
        data::RecordsetModel* m = f->c().Adodc4;
        for (const QString& r : replies)
            QVERIFY(m->setData(m->index(m->dataRowCount(), 0), r));
        QVERIFY(f->c().Command21->isEnabled());
        f->c().Command21->click();
    }

    QString lastResult(qint64 card) {
        return f->t.scalar("SELECT Result FROM Log WHERE CardID = ? ORDER BY RecID DESC", {card})
            .toString();
    }

  private slots:
    void init() {
        windows.clear();
        multi::Form6::setOpenerForTests([this](multi::Form6& w) {
            ShownComparison shown;
            for (int r = 0; r < w.Adodc1->dataRowCount(); ++r)
                shown.rows << QStringList{w.Adodc1->data(w.Adodc1->index(r, 0)).toString(),
                                          w.Adodc1->data(w.Adodc1->index(r, 1)).toString()};
            shown.marked = w.markedRows();
            shown.title = w.windowTitle();
            windows << shown;
        });
    }
    void cleanup() {
        multi::Form6::setOpenerForTests({});
        f.reset();
    }

    void anyOrderIsCorrectWhenOrderIsFree() {
        startOnBaltic(QVariant());
        answer({"Lithuania", "Estonia", "Latvia"});
        QCOMPARE(lastResult(baltic), QStringLiteral("Correct"));
        QCOMPARE(f->cardValue(baltic, "Correct").toInt(), 1);
        QVERIFY(windows.isEmpty());
        QCOMPARE(f->lesson().CheckAll, 1);
        // The next question is put with an empty reply grid.
        QCOMPARE(f->c().Adodc4->dataRowCount(), 0);
    }

    void otherOrderIsWrongWhenOrderCounts() {
        startOnBaltic(1);
        answer({"Lithuania", "Estonia", "Latvia"});
        QCOMPARE(lastResult(baltic), QStringLiteral("Wrong"));
        QCOMPARE(f->cardValue(baltic, "Correct").toInt(), 0);
        QCOMPARE(f->t.scalar("SELECT MultiSource FROM Fields1").toString(), QStringLiteral("T"));
        QCOMPARE(f->t.scalar("SELECT group_concat(Answer || '/' || Reply, ',') "
                             "FROM (SELECT * FROM ComparisonTable ORDER BY rowid)")
                     .toString(),
                 QStringLiteral("Estonia/Lithuania,Latvia/Estonia,Lithuania/Latvia"));
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0].title, QStringLiteral("Wrong!"));
        QCOMPARE(windows[0].marked, (QList<int>{0, 1, 2}));
        QVERIFY(!f->c().Command21->isEnabled());
        QVERIFY(f->dialogs.shown().isEmpty()); // the window tells it, no box
    }

    // Replies typed one after another from the keyboard, Enter after each, as the help says;
    // the last one still being typed is stored by the check button first.
    void enterGoesOnToNewReply() {
        startOnBaltic(1);
        QApplication::setActiveWindow(f->w.get());
        QVERIFY(QTest::qWaitForWindowActive(f->w.get()));
        QVERIFY(!f->c().Command21->isEnabled());
        f->c().Label6->show();
        QTableView* grid = f->c().TDBGrid3;
        grid->setFocus();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(f->c().Adodc4->index(0, 0)).center());
        for (const QString& reply : kBaltic) {
            for (const QChar ch : reply)
                QTest::keyClicks(QApplication::focusWidget(), QString(ch));
            QVERIFY(f->c().Command21->isEnabled());
            QVERIFY(f->c().Label6->isHidden());
            if (reply != kBaltic.last()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QCoreApplication::processEvents();
            }
        }
        QCOMPARE(f->c().Adodc4->dataRowCount(), 2);
        f->c().Command21->click();
        QCOMPARE(lastResult(baltic), QStringLiteral("Correct"));
    }

    void windowMarksTheDifferingRows_data() {
        QTest::addColumn<QVariant>("showOrder");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<int>>("marked");
        const QStringList missingLatvia = {QStringLiteral("Estonia"), QStringLiteral("Lithuania")};
        QTest::newRow("by position, one missing")
            << QVariant(1) << missingLatvia
            << QStringList{"Estonia/Estonia", "Latvia/Lithuania", "Lithuania/"} << QList<int>{1, 2};
        QTest::newRow("free order, one missing")
            << QVariant(0) << missingLatvia
            << QStringList{"Latvia/", "Estonia/Estonia", "Lithuania/Lithuania"} << QList<int>{0};
        QTest::newRow("free order, one misspelt")
            << QVariant() << QStringList{"Latvija", "Lithuania", "Estonia"}
            << QStringList{"Latvia/Latvija", "Estonia/Estonia", "Lithuania/Lithuania"}
            << QList<int>{0};
    }
    void windowMarksTheDifferingRows() {
        QFETCH(QVariant, showOrder);
        QFETCH(QStringList, replies);
        QFETCH(QStringList, shown);
        QFETCH(QList<int>, marked);
        startOnBaltic(showOrder);
        answer(replies);
        QCOMPARE(windows.size(), 1);
        QStringList rows;
        for (const QStringList& r : windows[0].rows)
            rows << r.join(QLatin1Char('/'));
        QCOMPARE(rows, shown);
        QCOMPARE(windows[0].marked, marked);
    }

    // A card without answers (converted from a blank answer, or imported without its list)
    // is never answered right: the reply is wrong, scored and logged, and the box says why.
    void cardWithoutAnswersIsNeverRight_data() {
        QTest::addColumn<QStringList>("replies");
        QTest::newRow("blank reply") << QStringList{QStringLiteral("  ")};
        QTest::newRow("a reply") << QStringList{QStringLiteral("Estonia")};
    }
    void cardWithoutAnswersIsNeverRight() {
        QFETCH(QStringList, replies);
        startOnBaltic(QVariant());
        f->t.exec("DELETE FROM MultipleAnswers WHERE Card_ID = ?", {baltic});
        answer(replies);
        QCOMPARE(lastResult(baltic), QStringLiteral("Wrong"));
        QCOMPARE(f->cardValue(baltic, "Incorrect").toInt(), 1);
        QCOMPARE(f->lesson().CheckAll, 0);
        QVERIFY(windows.isEmpty());
        QCOMPARE(f->dialogs.shown().size(), 1);
        QCOMPARE(f->dialogs.shown()[0].title, QStringLiteral("WRONG"));
        QCOMPARE(f->dialogs.shown()[0].text,
                 QStringLiteral("This card has no answers yet: enter them on the Edit Set "
                                "screen."));
        QVERIFY(!f->c().Command21->isEnabled());
    }

    void blankRowsAreNoReplies() {
        startOnBaltic(1);
        answer({"Estonia", "   ", "Latvia", "Lithuania"});
        QCOMPARE(lastResult(baltic), QStringLiteral("Correct"));
    }

    void databaseFailureLeavesNothingHalfWritten() {
        startOnBaltic(1);
        f->t.exec("DROP TABLE ComparisonTable");
        const int logBefore = f->logRows();
        answer({"Latvia", "Estonia", "Lithuania"});
        QVERIFY(!f->dialogs.shown().isEmpty());
        QCOMPARE(f->dialogs.shown().last().kind, testing::ScriptedDialogs::Shown::Warning);
        QCOMPARE(f->logRows(), logBefore);
        QCOMPARE(f->cardValue(baltic, "Incorrect").toInt(), 0);
        QCOMPARE(f->lesson().CSarray.at(f->lesson().Row, learn::ColCardId).toLongLong(), baltic);
        QCOMPARE(f->lesson().CSarray.at(f->lesson().Row, learn::ColIncorrect).toInt(), 0);
        // The lesson goes on: the replies are still there to be checked again.
        QCOMPARE(f->c().Adodc4->dataRowCount(), 3);
    }
};

QTEST_MAIN(TestMultiCheck)
#include "test_multicheck.moc"
