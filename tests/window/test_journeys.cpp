// SPDX-License-Identifier: GPL-3.0-or-later
// What a new user does on the first day, on the real window with the sample set.
#include "support/WindowFixture.h"

#include <QtTest>

namespace {

struct Journey : testing::WindowFixture {
    Journey() : WindowFixture(true) { start(); }
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
    void wholeSampleSetLearntInTalkingModeAndLogged();
};

void TestJourneys::wholeSampleSetLearntInTalkingModeAndLogged() {
    Journey j;
    j.t.exec("UPDATE Fields1 SET Zad = 1");
    j.pick(QStringLiteral("Capitals of Europe"));
    j.learn();
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

QTEST_MAIN(TestJourneys)
#include "test_journeys.moc"
