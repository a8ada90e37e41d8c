// SPDX-License-Identifier: GPL-3.0-or-later
// What a new user does on the first day, on the real window with the sample set.
#include "data/RecordsetModel.h"
#include "learn/LessonState.h"
#include "support/WindowFixture.h"

#include <QtTest>
#include <memory>

namespace {

struct Journey : testing::WindowFixture {
    Journey() : WindowFixture(true) { start(); }

    void pickSampleSetAndLearn() {
        pick(QStringLiteral("Capitals of Europe"));
        learn();
    }
    // Answers the card asked now correctly, as the user would type it.
    void answerCorrectly() {
        const int row = lesson().Row;
        const QString answer = lesson().CSarray.at(row, learn::ColAnswer).toString();
        if (answer == QLatin1String("Multi")) {
            data::RecordsetModel* replies = c().Adodc4;
            // Another order than stored: the order of these answers does not matter.
            for (const char* a : {"Latvia", "Lithuania", "Estonia"})
                QVERIFY(replies->setData(replies->index(replies->dataRowCount(), 0),
                                         QString::fromLatin1(a)));
        } else {
            QTest::keyClicks(c().Text3, answer);
        }
        QVERIFY(c().Command21->isEnabled());
        QTest::mouseClick(c().Command21, Qt::LeftButton);
    }
};

} // namespace

class TestJourneys : public QObject {
    Q_OBJECT
  private slots:
    void firstQuestionInSilentThenSpokenInTalking();
    void wholeSampleSetLearntInTalkingModeAndLogged();
    void ownSetCreatedFilledRenamedLearntAndDeleted();
};

void TestJourneys::firstQuestionInSilentThenSpokenInTalking() {
    Journey j;
    j.pickSampleSetAndLearn();
    QVERIFY(j.w->screens().learning);
    QCOMPARE(j.c().Label7->text(), QStringLiteral("The capital of France"));
    QVERIFY(j.c().Label7->isVisible());
    QVERIFY(j.speech.spoken.isEmpty()); // Silent mode speaks nothing

    j.c().mnuTalking->trigger();
    QVERIFY(!j.w->modes().Silent);
    QCOMPARE(j.speech.spoken.value(j.speech.spoken.size() - 1),
             QStringLiteral("The capital of France"));
    QVERIFY(!j.c().Label7->isVisible());
    QVERIFY(j.dialogs.shown().isEmpty());
}

void TestJourneys::wholeSampleSetLearntInTalkingModeAndLogged() {
    Journey j;
    j.t.exec("UPDATE Fields1 SET Zad = 1");
    j.pickSampleSetAndLearn();
    j.c().mnuTalking->trigger();
    const int cards = j.lesson().CurRowLim;
    QCOMPARE(cards, 10);
    for (int i = 0; i < cards; ++i)
        j.answerCorrectly();
    QVERIFY2(j.dialogs.lastText().startsWith(QStringLiteral("Congratulations!")),
             qPrintable(j.dialogs.texts().join(" | ")));
    QVERIFY(!j.dialogs.texts().contains(QStringLiteral("End of Set")));
    QCOMPARE(j.speech.pauseSteps, cards); // one step after each correct reply
    QCOMPARE(
        j.t.scalar("SELECT COUNT(*) FROM qLog WHERE Result = 'Correct' AND Question <> ''").toInt(),
        cards);
    // The set starts over with every card available again.
    QCOMPARE(j.lesson().CheckAll, 0);
    QCOMPARE(j.lesson().Row, 1);
}

void TestJourneys::ownSetCreatedFilledRenamedLearntAndDeleted() {
    Journey j;
    const int cardsBefore = j.t.scalar("SELECT COUNT(*) FROM Card").toInt();
    j.c().CreatSet->trigger();
    QTest::keyClicks(j.c().Text1, QStringLiteral("Numbers"));
    QTest::keyClick(j.c().Text1, Qt::Key_Return);
    QVERIFY(j.w->screens().setEditing);
    QCOMPARE(j.c().DataCombo1->currentText(), QStringLiteral("Numbers"));

    data::RecordsetModel* grid = j.c().Adodc2;
    for (int n = 1; n <= 10; ++n) {
        const int row = grid->dataRowCount();
        QVERIFY(grid->setData(grid->index(row, 1), QStringLiteral("eins %1").arg(n)));
        QVERIFY(grid->setData(grid->index(row, 2), QString::number(n)));
        QVERIFY(grid->storePendingRow()); // the row is left
    }
    QCOMPARE(j.t.scalar("SELECT COUNT(*) FROM Set_Card_rel r JOIN Set1 s ON s.Set_ID = r.Set_ID "
                        "WHERE s.SetName = 'Numbers'")
                 .toInt(),
             10);

    j.c().mnuEdSetName->trigger();
    QTest::keyClicks(j.c().Text2, QStringLiteral("German numbers"));
    QTest::keyClick(j.c().Text2, Qt::Key_Return);
    QCOMPARE(j.c().DataCombo1->currentText(), QStringLiteral("German numbers"));

    j.c().mnuLearn->trigger();
    QCOMPARE(j.lesson().CurRowLim, 10);
    for (int i = 0; i < 10; ++i)
        j.answerCorrectly();
    QVERIFY(j.dialogs.lastText().startsWith(QStringLiteral("Congratulations!")));

    j.c().ChangeSet->trigger();
    j.dialogs.nextAnswer(true);
    j.c().mnuDelete->trigger();
    QCOMPARE(j.t.scalar("SELECT COUNT(*) FROM Set1 WHERE SetName = 'German numbers'").toInt(), 0);
    // The set's own cards are gone; with one set left the unattached "dummy" card is added.
    QCOMPARE(j.t.scalar("SELECT COUNT(*) FROM Card WHERE Question <> 'dummy'").toInt(),
             cardsBefore);
    QCOMPARE(j.t.scalar("SELECT group_concat(c.Question) FROM \"Card Without Matching "
                        "Set_Card_rel\" o JOIN Card c ON c.Card_ID = o.Card_ID")
                 .toString(),
             QStringLiteral("dummy"));
    QCOMPARE(j.t.scalar("SELECT COUNT(*) FROM Set_Card_rel WHERE Set_ID NOT IN "
                        "(SELECT Set_ID FROM Set1)")
                 .toInt(),
             0);
    QCOMPARE(j.c().DataCombo1->currentText(), QStringLiteral("Capitals of Europe"));
}

QTEST_MAIN(TestJourneys)
#include "test_journeys.moc"
