// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/LessonState.h"
#include "multi/ComparisonWindow.h"
#include "sets/SetsFixture.h"

namespace {

const QStringList kBaltic = {QStringLiteral("Estonia"), QStringLiteral("Latvia"),
                             QStringLiteral("Lithuania")};

// What the comparison window showed when it was opened.
struct ShownComparison {
    QStringList rows; // answer/reply
    QList<int> marked;
    QString firstMarkedAnswer; // as rich text
};

} // namespace

class TestMultiCheck : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::WindowFixture> f;
    QList<ShownComparison> windows;
    qint64 baltic = 0;

    // The sample set with its multiple-answer card asked first.
    void startOnBaltic(const QVariant& showOrder, const char* sqlBeforeStart = "SELECT 1") {
        f = std::make_unique<testing::WindowFixture>(true);
        f->t.exec(sqlBeforeStart);
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
                shown.rows << w.Adodc1->data(w.Adodc1->index(r, 0)).toString() + '/' +
                                  w.Adodc1->data(w.Adodc1->index(r, 1)).toString();
            shown.marked = w.markedRows();
            shown.firstMarkedAnswer = w.markedCellHtml(shown.marked.value(0), 0);
            QVERIFY(!w.grab().isNull()); // the marked cells are painted as rich text
            windows << shown;
        });
    }
    void cleanup() {
        multi::Form6::setOpenerForTests({});
        f.reset();
    }

    void rightReplies_data() {
        QTest::addColumn<QVariant>("showOrder");
        QTest::addColumn<QStringList>("replies");
        QTest::newRow("any order when order is free")
            << QVariant() << QStringList{"Lithuania", "Estonia", "Latvia"};
        QTest::newRow("blank rows are no replies")
            << QVariant(1) << QStringList{"Estonia", "   ", "Latvia", "Lithuania"};
    }
    void rightReplies() {
        QFETCH(QVariant, showOrder);
        QFETCH(QStringList, replies);
        startOnBaltic(showOrder);
        answer(replies);
        QCOMPARE(lastResult(baltic), QStringLiteral("Correct"));
        QCOMPARE(f->cardValue(baltic, "Correct").toInt(), 1);
        QVERIFY(windows.isEmpty());
        QCOMPARE(f->lesson().CheckAll, 1);
        // The next question is put with an empty reply grid.
        QCOMPARE(f->c().Adodc4->dataRowCount(), 0);
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
            typeKeys(reply);
            QVERIFY(f->c().Command21->isEnabled() && f->c().Label6->isHidden());
            if (reply != kBaltic.last())
                pressKey();
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
        const QStringList missingLatvia = {"Estonia", "Lithuania"};
        QTest::newRow("by position, all moved")
            << QVariant(1) << QStringList{"Lithuania", "Estonia", "Latvia"}
            << QStringList{"Estonia/Lithuania", "Latvia/Estonia", "Lithuania/Latvia"}
            << QList<int>{0, 1, 2};
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
    // The window tells the verdict, no box.
    void windowMarksTheDifferingRows() {
        QFETCH(QVariant, showOrder);
        QFETCH(QStringList, replies);
        QFETCH(QStringList, shown);
        QFETCH(QList<int>, marked);
        startOnBaltic(showOrder);
        answer(replies);
        QCOMPARE(lastResult(baltic), QStringLiteral("Wrong"));
        QCOMPARE(f->cardValue(baltic, "Correct").toInt(), 0);
        // Compared by position, the rows are the comparison table's.
        const bool byPosition = showOrder.toInt() == 1;
        QCOMPARE(f->t.scalar("SELECT MultiSource FROM Fields1").toString(), byPosition ? "T" : "Q");
        if (byPosition)
            QCOMPARE(f->t.column("SELECT Answer || '/' || ifnull(Reply, '') FROM ComparisonTable "
                                 "ORDER BY rowid"),
                     shown);
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0].rows, shown);
        QCOMPARE(windows[0].marked, marked);
        QVERIFY(!f->c().Command21->isEnabled());
        QVERIFY(f->dialogs.shown().isEmpty());
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
        QCOMPARE(f->dialogs.texts(),
                 QStringList{"This card has no answers yet: enter them on the Edit Set screen."});
        QVERIFY(!f->c().Command21->isEnabled());
    }

    // The count of matching replies, their order and the window's marks all forgive alike.
    void forgivingJudging() {
        startOnBaltic(1, "UPDATE JudgingOptions SET IgnoreCapitals = 1, IgnoreExtraBlanks = 1");
        answer({" estonia", "LATVIA ", "Lithuanai"});
        QCOMPARE(windows[0].marked, QList<int>{2}); // only the misspelt one
        QCOMPARE(windows[0].firstMarkedAnswer.count("text-decoration:underline"), 2);
        QCOMPARE(lastResult(baltic), QStringLiteral("Wrong"));
    }

    // Learn > Undo last reply (Ctrl+Z in the reply grid) takes the whole list back.
    void replyIsTakenBack() {
        startOnBaltic(QVariant());
        const QStringList before = f->replyTrace(baltic);
        answer({"Estonia"});
        QCOMPARE(f->logRows(), 1);
        f->c().TDBGrid3->setFocus();
        QTest::keyClick(f->c().TDBGrid3, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->replyTrace(baltic), before);
        QVERIFY(!f->c().TDBGrid3->isHidden());
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
