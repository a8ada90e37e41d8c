// SPDX-License-Identifier: GPL-3.0-or-later
// The stored queries' contracts, on seeded data: a set with no cards, a card shared by two
// sets, a multiple-answer card, a log row whose card is gone.
#include "data/Sql.h"
#include "support/TempDatabase.h"

#include <QtTest>

namespace {

struct Seed {
    qint64 fruits = 0, animals = 0, empty = 0;
    qint64 apple = 0, pear = 0, shared = 0, multi = 0, cat = 0;
};

Seed seed(testing::TempDatabase& t) {
    Seed s;
    s.fruits = t.addSet("Fruits");
    s.animals = t.addSet("animals", false);
    s.empty = t.addSet("Empty");
    s.apple = t.addCard("apple", "Apfel", s.fruits);
    s.pear = t.addCard("pear", "Birne", s.fruits);
    s.shared = t.addCard("tomato", "Tomate", s.fruits);
    t.relate(s.animals, s.shared);
    s.multi = t.addCard("berries", "Multi", s.fruits);
    t.addAnswers(s.multi, {"A", "B", "C"});
    s.cat = t.addCard("cat", "Katze", s.animals);
    return s;
}

} // namespace

class TestQueries : public QObject {
    Q_OBJECT
  private slots:
    void currentSetFollowsChosenName();
    void setNameListStartsWithChosenSetAndIsReadOnly();
    void newSetCheckIgnoresLetterCase();
    void countsAndMaximum();
    void selectedSetWrites();
    void deletesKeepSharedCards();
    void sortedCardsAreHardestFirstOnce();
    void multipleAnswerMatching_data();
    void multipleAnswerMatching();
    void importQueries();
    void everyStoredQueryOpens();
};

void TestQueries::currentSetFollowsChosenName() {
    testing::TempDatabase t;
    const Seed s = seed(t);
    t.chooseSet("Fruits");
    QCOMPARE(t.column("SELECT Question FROM qCurrentSet"),
             QStringList({"apple", "pear", "tomato", "berries"}));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM qCurrentSetTotal").toInt(), 4);
    QCOMPARE(t.scalar("SELECT Set_ID FROM qCurrentSetID").toLongLong(), s.fruits);
    // Ordered by the order key, then by id.
    t.exec("UPDATE Card SET \"Order\" = 5");
    t.exec("UPDATE Card SET \"Order\" = 1 WHERE Card_ID = ?", {s.multi});
    QCOMPARE(t.column("SELECT Question FROM qCurrentSet"),
             QStringList({"berries", "apple", "pear", "tomato"}));
    t.chooseSet("animals");
    QCOMPARE(t.column("SELECT Question FROM qCurrentSet"), QStringList({"tomato", "cat"}));
    QCOMPARE(t.column("SELECT SetName FROM qCurrentSet"), QStringList({"animals", "animals"}));
    // Every column the loader reads is there by name.
    QSqlQuery q = data::exec(t.db(), "SELECT Question, Answer, SetName, CurStatus, \"Order\", "
                                     "Card_ID, Rating, Correct, Incorrect, ShowOrder, "
                                     "DisplayQuestionNumber FROM qCurrentSet");
    QVERIFY(q.next());
}

void TestQueries::setNameListStartsWithChosenSetAndIsReadOnly() {
    testing::TempDatabase t;
    seed(t);
    t.chooseSet("Fruits");
    QCOMPARE(t.column("SELECT SetName FROM qCurrentSetName"),
             QStringList({"Fruits", "animals", "Empty"}));
    t.chooseSet(QString());
    QCOMPARE(t.column("SELECT SetName FROM qCurrentSetName"),
             QStringList({"animals", "Empty", "Fruits"}));
    QVERIFY_THROWS_EXCEPTION(data::DbError,
                             t.exec("UPDATE qCurrentSetName SET SetName = 'renamed'"));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Set1 WHERE SetName = 'renamed'").toInt(), 0);
}

void TestQueries::newSetCheckIgnoresLetterCase() {
    testing::TempDatabase t;
    seed(t);
    const auto check = [&](const QString& name) {
        t.exec("UPDATE Fields1 SET \"Check\" = ?", {name});
        return t.scalar("SELECT COUNT(*) FROM qNewSetCheck").toInt() > 0;
    };
    QList<bool> taken;
    for (const char* name : {"Fruits", "FRUITS", "Animals", "Fruits ", "Vegetables", ""})
        taken << check(QString::fromUtf8(name));
    QCOMPARE(taken, (QList<bool>{true, true, true, false, false, false}));
}

void TestQueries::countsAndMaximum() {
    testing::TempDatabase t;
    const Seed s = seed(t);
    QCOMPARE(t.scalar("SELECT SetNum FROM qCountSets").toInt(), 3);
    QCOMPARE(t.scalar("SELECT CardID FROM qMaxCardID").toLongLong(), s.cat);
    QVERIFY(t.scalar("SELECT Countt FROM qCountCSRexist").toInt() > 0);
    t.exec("INSERT INTO Card (Question) VALUES ('loose')");
    QCOMPARE(t.scalar("SELECT Countt FROM qCountCSRexist").toInt(), 0);
    QCOMPARE(t.column("SELECT Card_ID FROM \"Card Without Matching Set_Card_rel\""),
             QStringList({t.scalar("SELECT MAX(Card_ID) FROM Card").toString()}));
}

void TestQueries::selectedSetWrites() {
    testing::TempDatabase t;
    const Seed s = seed(t);
    t.chooseSet("Fruits");
    t.exec("UPDATE qSelectedSet SET Question = 'apple!', Answer = 'Apfel!' WHERE Card_ID = ?",
           {s.apple});
    QCOMPARE(
        t.scalar("SELECT Question || Answer FROM Card WHERE Card_ID = ?", {s.apple}).toString(),
        QStringLiteral("apple!Apfel!"));

    t.exec("INSERT INTO qSelectedSet (Question, Answer) VALUES ('plum', 'Pflaume')");
    const qint64 plum = t.scalar("SELECT Card_ID FROM Card WHERE Question = 'plum'").toLongLong();
    // Ordered by its id, and tied to the chosen set once.
    QCOMPARE(t.scalar("SELECT (\"Order\" = Card_ID) || ':' || (SELECT group_concat(Set_ID) FROM "
                      "Set_Card_rel WHERE Card_ID = ?) FROM Card WHERE Card_ID = ?",
                      {plum, plum})
                 .toString(),
             QStringLiteral("1:%1").arg(s.fruits));
    QCOMPARE(t.scalar("SELECT Countt FROM qCountCSRexist").toInt(), 1);

    // Through the Kids variant too.
    t.exec("INSERT INTO qSelectedSetKids (Question, Answer) VALUES ('fig', 'Feige')");
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM qSelectedSet WHERE Question = 'fig'").toInt(), 1);

    // With no set chosen a new row is refused rather than left without a set.
    t.chooseSet("nowhere");
    QVERIFY_THROWS_EXCEPTION(
        data::DbError, t.exec("INSERT INTO qSelectedSet (Question, Answer) VALUES ('x', 'y')"));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card WHERE Question = 'x'").toInt(), 0);
}

void TestQueries::deletesKeepSharedCards() {
    testing::TempDatabase t;
    const Seed s = seed(t);
    t.chooseSet("Fruits");
    t.exec("DELETE FROM qSelectedSet WHERE Card_ID = ?", {s.shared});
    const QString rows = "SELECT (SELECT COUNT(*) FROM Card WHERE Card_ID = k) || (SELECT "
                         "COUNT(*) FROM Set_Card_rel WHERE Card_ID = k) || (SELECT COUNT(*) FROM "
                         "MultipleAnswers WHERE Card_ID = k) FROM (SELECT ? AS k)";
    QCOMPARE(t.scalar(rows, {s.shared}).toString(), "110"); // kept, with its other set
    t.exec("DELETE FROM qSelectedSet WHERE Card_ID = ?", {s.multi});
    QCOMPARE(t.scalar(rows, {s.multi}).toString(), "000"); // gone, with its answers
    // The log still shows the replies to it, with an empty question.
    t.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES ('2026-01-01T10:00:00', "
           "'Fruits', ?, 'Correct'), ('2026-01-02T10:00:00', 'Fruits', ?, 'Wrong')",
           {s.apple, s.multi});
    QCOMPARE(t.column("SELECT ifnull(Question, '') || '|' || SetName FROM qLog"),
             (QStringList{"apple|Fruits", "|Fruits"}));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM \"Card Without Matching Set_Card_rel\"").toInt(), 0);
    // Deleting a set takes its relations only: the shared card, tied to the fruits again,
    // stays with them; the cat is left for the orphan sweep.
    t.relate(s.fruits, s.shared);
    t.exec("DELETE FROM Set1 WHERE Set_ID = ?", {s.animals});
    QCOMPARE(t.column("SELECT Card_ID FROM \"Card Without Matching Set_Card_rel\""),
             QStringList({QString::number(s.cat)}));
}

void TestQueries::sortedCardsAreHardestFirstOnce() {
    testing::TempDatabase t;
    const Seed s = seed(t);
    const qint64 other = t.addSet("Other");
    t.relate(other, s.pear); // pear in two included sets: listed once
    // The cat's set is excluded.
    for (const QVariantList& r : QList<QVariantList>{{0.5, 1, s.apple},
                                                     {0.2, 1, s.pear},
                                                     {0.2, 3, s.shared},
                                                     {0.9, 0, s.multi},
                                                     {0.0, 5, s.cat}})
        t.exec("UPDATE Card SET Rating = ?, Incorrect = ? WHERE Card_ID = ?", r);
    QCOMPARE(t.column("SELECT Card_ID FROM qSortedCards"),
             QStringList(
                 {QString::number(s.shared), QString::number(s.pear), QString::number(s.apple)}));
    t.exec("UPDATE qSortedCards SET Demons = 1 WHERE Card_ID = ?", {s.pear});
    QCOMPARE(t.scalar("SELECT Demons FROM Card WHERE Card_ID = ?", {s.pear}).toInt(), 1);
}

void TestQueries::multipleAnswerMatching_data() {
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<int>("matching");
    QTest::addColumn<QStringList>("wrongReplies");
    QTest::addColumn<QStringList>("missedAnswers");
    // Answers of the card: A, B, C.
    QTest::newRow("all, in order")
        << QStringList{"A", "B", "C"} << 3 << QStringList{} << QStringList{};
    QTest::newRow("all, other order")
        << QStringList{"C", "A", "B"} << 3 << QStringList{} << QStringList{};
    QTest::newRow("a repeated reply is not a second answer")
        << QStringList{"A", "A", "B"} << 2 << QStringList{"A"} << QStringList{"C"};
    QTest::newRow("letter case counts")
        << QStringList{"a", "B", "C"} << 2 << QStringList{"a"} << QStringList{"A"};
    QTest::newRow("blanks count") << QStringList{"A ", "B", "C"} << 2 << QStringList{"A "}
                                  << QStringList{"A"};
    QTest::newRow("none") << QStringList{} << 0 << QStringList{} << QStringList{"A", "B", "C"};
}

void TestQueries::multipleAnswerMatching() {
    QFETCH(QStringList, replies);
    QFETCH(int, matching);
    QFETCH(QStringList, wrongReplies);
    QFETCH(QStringList, missedAnswers);
    testing::TempDatabase t;
    const Seed s = seed(t);
    t.addAnswers(s.cat, {"A"}); // another card's answers never count
    t.exec("UPDATE Fields1 SET Multi_ID = ?", {s.multi});
    for (const QString& r : replies)
        t.exec("INSERT INTO MultipleReply (Reply) VALUES (?)", {r});
    QCOMPARE(t.scalar("SELECT Countt FROM qCountCurrentMulti").toInt(), 3);
    QCOMPARE(t.scalar("SELECT Countt FROM qCountReplies").toInt(), replies.size());
    QCOMPARE(t.scalar("SELECT Countt FROM qCountMatchingReplies").toInt(), matching);
    QCOMPARE(t.column("SELECT Reply FROM qWrongMultiReply"), wrongReplies);
    QCOMPARE(t.column("SELECT M_Answer FROM qWrongCurrentMultiAnswers"), missedAnswers);
    QCOMPARE(t.column("SELECT M_Answer FROM qCurrentMultiAnswers"), QStringList({"A", "B", "C"}));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM qCorrectMultiAns").toInt(), matching);
}

void TestQueries::importQueries() {
    testing::TempDatabase t;
    seed(t);
    t.exec("INSERT INTO Set1 (SetName) VALUES (NULL)"); // must not hide every other name
    t.exec("INSERT INTO BufferSet1 (Field1, Field2) VALUES ('7', 'fruits'), ('8', 'New')");
    QCOMPARE(t.column("SELECT Field1 FROM qE7_1nonDel"), QStringList({"7"}));
    QCOMPARE(t.column("SELECT Field1 FROM qForAppendSet1"), QStringList({"8"}));
    t.exec("UPDATE Set1 SET SpareID = ''");
    t.exec("INSERT INTO Set1 (SetName, SpareID) VALUES ('New', '8')");
    QCOMPARE(t.column("SELECT SpareID FROM qNewlyAddedSets"), QStringList({"8"}));
}

void TestQueries::everyStoredQueryOpens() {
    testing::TempDatabase t(true);
    const QStringList views = t.column("SELECT name FROM sqlite_master WHERE type = 'view'");
    QVERIFY(views.size() > 20);
    for (const QString& name : views)
        data::exec(t.db(), QStringLiteral("SELECT * FROM \"%1\"").arg(name));
    // qMultiAnswers is copied into MultipleBuffer with SELECT *: the column lists must agree.
    t.exec("UPDATE Fields1 SET Multi_ID = (SELECT Card_ID FROM Card WHERE Answer = 'Multi')");
    t.exec("INSERT INTO MultipleBuffer SELECT qMultiAnswers.* FROM qMultiAnswers");
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM MultipleBuffer WHERE Card_ID > 0").toInt(), 3);
}

QTEST_GUILESS_MAIN(TestQueries)
#include "test_queries.moc"
