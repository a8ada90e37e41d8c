// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"

namespace {

// Sets of cards q<set><i> / a<set><i> (the set's name in lower case), the first one chosen;
// returns the cards' ids in order.
QList<qint64> addSets(testing::WindowFixture& f, const QList<QPair<QString, int>>& sets) {
    QList<qint64> ids;
    for (const auto& [name, cards] : sets) {
        const qint64 set = f.t.addSet(name);
        const QString n = name.toLower();
        for (int i = 1; i <= cards; ++i)
            ids << f.t.addCard(QString("q%1%2").arg(n).arg(i), QString("a%1%2").arg(n).arg(i), set);
    }
    f.t.chooseSet(sets.first().first);
    return ids;
}

} // namespace

class TestSetLoading : public QObject {
    Q_OBJECT
  private slots:
    void pickOnEditingScreen();
    void pickOnLearningScreen();
    void pickingTheShownSetKeepsTheLesson();
    void emptySet();
    void newSetStartsUncounted();
    void setLargerThanThousandCards();
};

void TestSetLoading::pickOnEditingScreen() {
    testing::WindowFixture f;
    addSets(f, {{"A", 1}, {"B", 2}});
    f.t.exec("INSERT INTO MultipleReply (Reply) VALUES ('left over')");
    f.start();
    f.c().Label5->show();
    const QString caption = f.c().Label7->text();

    const int reads = f.c().Adodc2->refreshCount();
    f.pick("B");
    QCOMPARE(f.t.scalar("SELECT SetName FROM Fields").toString(), QStringLiteral("B"));
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM MultipleReply").toInt(), 0);
    QCOMPARE(f.c().Adodc2->dataRowCount(), 2);
    // Read once for the pick, not again when the list's row changes (a large set is slow).
    QCoreApplication::processEvents();
    QCOMPARE(f.c().Adodc2->refreshCount(), reads + 1);
    QCOMPARE(f.c().Adodc2->dataRowCount(), 2);
    QVERIFY(f.c().Label5->isHidden() && f.c().Label6->isHidden()); // no verdict of a reply
    // No question is put on this screen.
    QCOMPARE(f.lesson().CurRowLim, 0);
    QCOMPARE(f.c().Label7->text(), caption);
    QVERIFY(f.dialogs.shown().isEmpty());
}

void TestSetLoading::pickOnLearningScreen() {
    testing::WindowFixture f;
    const qint64 b1 = addSets(f, {{"A", 1}, {"B", 3}}).at(1);
    f.start();
    f.learn();
    QCOMPARE(f.c().Label7->text(), QStringLiteral("qa1"));

    f.pick("B");
    const learn::LessonState& L = f.lesson();
    QCOMPARE((QVariantList{f.t.scalar("SELECT SetName FROM Fields"), L.CurRowLim, L.Row,
                           L.CSarray.at(1, learn::ColCardId), L.CSarray.at(1, learn::ColSetName),
                           f.c().Label7->text(), f.c().panels[2]->text()}),
             (QVariantList{"B", 3, 1, b1, "B", "qb1", "Remains 3"}));
}

void TestSetLoading::pickingTheShownSetKeepsTheLesson() {
    testing::WindowFixture f;
    addSets(f, {{"A", 2}});
    f.start();
    f.learn();
    f.reply("aa1");
    f.pick("A");
    QCOMPARE((QVariantList{f.lesson().Row, f.lesson().CheckAll, f.c().Label7->text()}),
             (QVariantList{2, 1, "qa2"}));
}

void TestSetLoading::emptySet() {
    testing::WindowFixture f;
    addSets(f, {{"A", 1}, {"Empty", 0}});
    f.start();
    f.learn();
    f.pick("Empty");
    QCOMPARE(f.c().Label7->text(), QString());
    // Nothing of the earlier set can be judged any more.
    QCOMPARE(f.lesson().CurRowLim, 0);

    f.c().Command3->setEnabled(true);
    f.c().Command3->click();
    const QString noRecords =
        "There are no records in this set.Populate the current set with records or select "
        "another set to learn.";
    QCOMPARE(f.dialogs.lastText(), noRecords);
    QVERIFY(!f.c().Command21->isEnabled());
    QVERIFY(!f.c().Command3->isEnabled());

    f.dialogs.clear();
    f.reply("aa1");
    QCOMPARE(f.dialogs.lastText(), noRecords);
    QCOMPARE(f.logRows(), 0);
}

// A count carried over from an earlier set must not announce the next set as learnt.
void TestSetLoading::newSetStartsUncounted() {
    testing::WindowFixture f;
    addSets(f, {{"A", 3}, {"B", 3}});
    f.start();
    f.learn();
    f.reply("aa1");
    f.reply("aa2");
    QCOMPARE(f.lesson().CheckAll, 2);
    f.pick("B");
    QCOMPARE(f.lesson().CheckAll, 0);
    f.reply("ab1");
    f.reply("wrong");
    f.reply("ab3");
    QVERIFY(f.dialogs.texts().contains("End of Set"));
    QVERIFY(!f.dialogs.lastText().startsWith("Congratulations"));
    QCOMPARE(f.c().Label7->text(), QStringLiteral("qb2"));
}

void TestSetLoading::setLargerThanThousandCards() {
    testing::WindowFixture f;
    f.t.db().transaction();
    addSets(f, {{"Big", 1200}});
    f.t.db().commit();
    f.start();
    f.learn();
    QCOMPARE(f.lesson().CurRowLim, 1200);
    QCOMPARE(f.lesson().CSarray.at(1200, learn::ColQuestion).toString(),
             QStringLiteral("qbig1200"));
}

QTEST_MAIN(TestSetLoading)
#include "test_setloading.moc"
