// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetsFixture.h"

#include "data/RecordsetModel.h"

class TestCardGrid : public QObject {
    Q_OBJECT
  private slots:
    void newRowStoredWhole_data();
    void newRowStoredWhole();
    void keyboardEntryGoesOnToNextCard_data();
    void keyboardEntryGoesOnToNextCard();
    void placeholderStaysOutOfSets();
    void openEditSurvivesLearn_data();
    void openEditSurvivesLearn();
    void newRowWithoutChosenSet();
    void deleteKeyRemovesRow();
    void multiAnswerCellLocked();
};

namespace {

// Types into a cell of the card grid, leaving its editor open.
QWidget* typeIntoCell(SetsFixture& f, int row, const QString& column, const QString& text) {
    return typeIntoCell(f.c().TDBGrid2, row, f.c().Adodc2->columnOf(column), text, true);
}

int newRow(SetsFixture& f) {
    return f.c().Adodc2->dataRowCount();
}

} // namespace

void TestCardGrid::newRowStoredWhole_data() {
    QTest::addColumn<QString>("leaving");
    QTest::newRow("row left") << "row";
    QTest::newRow("focus leaves the grid") << "focus";
    QTest::newRow("screen changes") << "screen";
    QTest::newRow("window closes") << "close";
}

// A card is never stored half typed: a kill while its answer is being typed must not leave
// a question without its answer in the set.
void TestCardGrid::newRowStoredWhole() {
    QFETCH(QString, leaving);
    SetsFixture f;
    const qint64 verbs = f.seedVerbsAndNouns();
    QVERIFY(f.startActive());

    QWidget* editor = typeIntoCell(f, newRow(f), QStringLiteral("Question"), QStringLiteral("see"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Tab); // on to the Answer of the same row
    QWidget* answer = f.c().TDBGrid2->indexWidget(f.c().TDBGrid2->currentIndex());
    QVERIFY(answer);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card"), 1);
    QTest::keyClicks(answer, QStringLiteral("saw"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card"), 1);

    if (leaving == QLatin1String("row"))
        f.c().TDBGrid2->setCurrentIndex(f.c().Adodc2->index(0, 1));
    else if (leaving == QLatin1String("focus"))
        f.leave(f.c().TDBGrid2);
    else if (leaving == QLatin1String("screen"))
        f.chooseMenu(f.c().mnuFile, f.c().CreatSet);
    else
        f.w->close();

    // Every card with its answer, whether its order key is its id, and its sets.
    const QString cards = "SELECT c.Question || c.Answer || (c.\"Order\" = c.Card_ID) || "
                          "ifnull(r.Set_ID, '-') FROM Card c LEFT JOIN Set_Card_rel r ON "
                          "r.Card_ID = c.Card_ID ORDER BY c.Card_ID";
    const auto inVerbs = [&](const char* card) { return card + QString::number(verbs); };
    QCOMPARE(f.t.column(cards), (QStringList{inVerbs("gowent1"), inVerbs("seesaw1")}));
    QVERIFY(f.dialogs.texts().isEmpty());
    if (leaving == QLatin1String("close") || leaving == QLatin1String("screen"))
        return;
    // Leaving the grid again adds no second tie.
    f.leave(f.c().TDBGrid2);
    f.leave(f.c().TDBGrid2);
    QCOMPARE(f.t.column(cards), (QStringList{inVerbs("gowent1"), inVerbs("seesaw1")}));
    QVERIFY(f.w->recordsets().isLoaded());
}

void TestCardGrid::keyboardEntryGoesOnToNextCard_data() {
    QTest::addColumn<Qt::Key>("leavingKey"); // pressed in the new row's Answer cell
    QTest::newRow("Enter") << Qt::Key_Return;
    QTest::newRow("Down") << Qt::Key_Down;
}

// Cards typed one after another from the keyboard: question, Enter, answer, Enter (or Down),
// the next question... Each card is stored whole, and nothing typed overwrites the last.
void TestCardGrid::keyboardEntryGoesOnToNextCard() {
    QFETCH(Qt::Key, leavingKey);
    SetsFixture f;
    const qint64 verbs = f.seedVerbsAndNouns();
    QVERIFY(f.startActive());
    QTableView* g = f.c().TDBGrid2;
    data::RecordsetModel* m = f.c().Adodc2;
    const int question = m->columnOf(QStringLiteral("Question"));
    QVERIFY(typeIntoCell(f, newRow(f), QStringLiteral("Question"), QStringLiteral("see")));
    pressKey(Qt::Key_Return);
    QCOMPARE(g->currentIndex().column(), m->columnOf(QStringLiteral("Answer")));
    typeKeys(QStringLiteral("saw"));
    pressKey(leavingKey);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card WHERE Question = 'see' AND Answer = 'saw'"), 1);
    QCOMPARE(g->currentIndex(), m->index(newRow(f), question));

    typeKeys(QStringLiteral("eat"));
    pressKey(Qt::Key_Return);
    typeKeys(QStringLiteral("ate"));
    pressKey(leavingKey);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card WHERE Question = 'eat' AND Answer = 'ate'"), 1);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card"), 3);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set_Card_rel WHERE Set_ID = ?", {verbs}), 3);
    QCOMPARE(g->currentIndex(), m->index(newRow(f), question));
    QVERIFY(f.dialogs.texts().isEmpty());
}

void TestCardGrid::placeholderStaysOutOfSets() {
    SetsFixture f;
    f.seedVerbsAndNouns();
    f.t.exec("INSERT INTO Card (Question) VALUES ('dummy')");
    QVERIFY(f.startActive());
    for (int i = 0; i < 3; ++i)
        f.leave(f.c().TDBGrid2);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set_Card_rel"), 1);
    QCOMPARE(f.c().Adodc2->dataRowCount(), 1);
}

void TestCardGrid::openEditSurvivesLearn_data() {
    QTest::addColumn<bool>("newCard");
    QTest::newRow("edited card") << false;
    QTest::newRow("new card") << true;
}

void TestCardGrid::openEditSurvivesLearn() {
    QFETCH(bool, newCard);
    SetsFixture f;
    f.seedVerbsAndNouns();
    QVERIFY(f.startActive());

    const int row = newCard ? newRow(f) : 0;
    QVERIFY(typeIntoCell(f, row, QStringLiteral("Answer"), QStringLiteral(" (gone)")));
    f.chooseMenu(f.c().mnuFile, f.c().mnuLearn);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card WHERE Answer = ?",
                     {newCard ? " (gone)" : "went (gone)"}),
             1);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set_Card_rel"), newCard ? 2 : 1);
}

void TestCardGrid::newRowWithoutChosenSet() {
    SetsFixture f;
    f.t.addSet("Verbs");
    f.t.chooseSet("Verbs");
    QVERIFY(f.startActive());
    f.t.chooseSet("Gone meanwhile"); // by another program
    QVERIFY(typeIntoCell(f, 0, QStringLiteral("Question"), QStringLiteral("lost?")));
    pressKey();
    f.leave(f.c().TDBGrid2);
    QVERIFY(f.dialogs.lastText().startsWith(QStringLiteral("Choose a set in the list")));
    QCOMPARE(f.dialogs.shown().size(), 1); // told once, not at every later click
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card"), 0);
    QVERIFY(f.w->recordsets().isLoaded());
    // The grid is whole: the row for a new card is still there and takes the next card.
    f.t.chooseSet("Verbs");
    f.c().Adodc2->refresh();
    QCOMPARE(f.c().Adodc2->rowCount(), 1);
    QVERIFY(typeIntoCell(f, 0, QStringLiteral("Question"), QStringLiteral(" kept")));
    pressKey();
    f.leave(f.c().TDBGrid2);
    // The typed row was held, not lost: it is stored once a set is chosen.
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card WHERE Question = 'lost? kept'"), 1);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set_Card_rel"), 1);
}

void TestCardGrid::deleteKeyRemovesRow() {
    SetsFixture f;
    const qint64 verbs = f.t.addSet("Verbs");
    const qint64 nouns = f.t.addSet("Nouns");
    const qint64 own = f.t.addCard("go", "Multi", verbs);
    f.t.addAnswers(own, {"went"});
    const QString longQuestion = QString(3000, QChar('r'));
    const qint64 shared = f.t.addCard(longQuestion, "ran", verbs);
    f.t.relate(nouns, shared);
    f.t.chooseSet("Verbs");
    QVERIFY(f.startActive());
    QTableView* g = f.c().TDBGrid2;
    const auto deleteFirstRow = [&](bool yes) {
        clickRowHeader(g, 0);
        QCOMPARE(g->selectionModel()->selectedRows().size(), 1);
        f.dialogs.nextAnswer(yes);
        QTest::keyClick(g, Qt::Key_Delete);
    };

    // The key deletes at once: the card is named first, and No is the default.
    deleteFirstRow(false);
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Are you sure you want to delete the card "
                                                  "\"go\"?"));
    QCOMPARE(f.dialogs.shown().last().byDefault, present::Dialogs::Button::No);
    QCOMPARE(f.c().Adodc2->dataRowCount(), 2);
    deleteFirstRow(true);
    deleteFirstRow(true);
    // A long question is shortened as boxes shorten texts; the question mark stays in sight.
    const QString asked = f.dialogs.lastText();
    QVERIFY(asked.size() < 1000 && asked.endsWith(QStringLiteral(" [...]\"?")));
    QCOMPARE(f.c().Adodc2->dataRowCount(), 0);
    // The own card goes with its answers; the shared one stays in its other set only.
    QCOMPARE(
        f.t.column("SELECT Card_ID || ':' || Set_ID FROM Set_Card_rel UNION ALL SELECT "
                   "Card_ID FROM Card UNION ALL SELECT Card_ID FROM MultipleAnswers"),
        (QStringList{QStringLiteral("%1:%2").arg(shared).arg(nouns), QString::number(shared)}));
    QVERIFY(f.w->recordsets().isLoaded());
}

void TestCardGrid::multiAnswerCellLocked() {
    SetsFixture f;
    const qint64 verbs = f.t.addSet("Verbs");
    f.t.addCard("go", "Multi", verbs);
    f.t.addCard("run", "ran", verbs);
    f.t.chooseSet("Verbs");
    QVERIFY(f.startActive());
    data::RecordsetModel* m = f.c().Adodc2;
    const int answer = m->columnOf(QStringLiteral("Answer"));
    const int question = m->columnOf(QStringLiteral("Question"));
    const auto editable = [&](int row, int column) {
        return bool(m->flags(m->index(row, column)) & Qt::ItemIsEditable);
    };
    QCOMPARE((QList<bool>{editable(0, answer), editable(0, question), editable(1, answer)}),
             (QList<bool>{false, true, true}));
    QVERIFY(!typeIntoCell(f, 0, QStringLiteral("Answer"), QStringLiteral("x")));
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card WHERE Answer = 'Multi'"), 1);
}

QTEST_MAIN(TestCardGrid)
#include "test_cardgrid.moc"
