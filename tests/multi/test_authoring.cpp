// SPDX-License-Identifier: GPL-3.0-or-later
// Making multiple-answer cards on the set-editing screen, on the real window.
#include "data/RecordsetModel.h"
#include "multi/rules/MultiRules.h"
#include "sets/SetsFixture.h"

#include <QTranslator>

namespace {

const QString kConvert = QStringLiteral(
    "Are you sure you want to convert the current question into the multiple answer question?");

// A language in which every text of the main window reads "<>source": what is shown tells
// whether it was asked for again.
class MarkingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        if (qstrcmp(context, "Form1") != 0)
            return {};
        return QStringLiteral("<>") + QString::fromUtf8(source);
    }
};

} // namespace

class TestAuthoring : public QObject {
    Q_OBJECT

    std::unique_ptr<SetsFixture> f;
    qint64 set = 0;

    present::Form1Controls& c() { return f->c(); }

    // A set "Verbs" holding `cards` (question, answer), chosen, on the set-editing screen.
    void start(const QList<QStringList>& cards) {
        f.reset(); // its database goes before the next one is opened
        f = std::make_unique<SetsFixture>();
        set = f->t.addSet("Verbs");
        for (const QStringList& card : cards)
            f->t.addCard(card[0], card[1], set);
        f->t.chooseSet("Verbs");
        QVERIFY(f->startActive());
    }
    qint64 cardId(const QString& question) {
        return f->t.scalar("SELECT Card_ID FROM Card WHERE Question = ?", {question}).toLongLong();
    }
    QStringList answers(qint64 card) {
        return f->t.column("SELECT M_Answer FROM MultipleAnswers WHERE Card_ID = ? ORDER BY rowid",
                           {card});
    }
    // Makes `row` the card grid's current row, as a click would; the very first row change
    // after start-up is ignored, so a first move goes elsewhere.
    void selectCard(int row) {
        QTableView* g = c().TDBGrid2;
        g->setFocus();
        g->setCurrentIndex(c().Adodc2->index(c().Adodc2->dataRowCount(), 1));
        g->setCurrentIndex(c().Adodc2->index(row, 1));
    }
    void convertCurrent(bool yes = true) {
        f->dialogs.nextAnswer(yes);
        c().mnuCrMulti->trigger();
    }
    void typeAnswer(const QString& text) {
        data::RecordsetModel* m = c().Adodc3;
        QVERIFY(typeIntoCell(c().TDBGrid1, m->dataRowCount(), m->columnOf("M_Answer"), text));
    }
    void leaveAnswers() { f->leave(c().TDBGrid1); }
    void deleteAnswerRow(int row) {
        clickRowHeader(c().TDBGrid1, row);
        QTest::keyClick(c().TDBGrid1, Qt::Key_Delete);
    }
    bool editorShown() {
        return c().TDBGrid1->isVisibleTo(c().Form1) && c().Command4->isVisibleTo(c().Form1) &&
               c().Command5->isVisibleTo(c().Form1);
    }

  private slots:
    void cleanup() { f.reset(); }
    void firstClickOpensTheAnswers();
    void convert_data();
    void convert();
    void convertRowBeingTyped();
    void editListAndLeave();
    void enterGoesOnToNewAnswer();
    void listStoredBeforeItGoes_data();
    void listStoredBeforeItGoes();
    void failingStoreKeepsOldList();
    void optionButtons_data();
    void optionButtons();
    void multiRowAfterSetSwitch();
    void blankAnswerNeedsAnAnswer();
    void editorFollowsAChangeOfLanguage();
};

void TestAuthoring::convert_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("list"); // answers already stored for the card
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ordinary answer") << "went" << QStringList() << true << QStringList{"went"};
    QTest::newRow("empty answer") << "" << QStringList() << true << QStringList();
    QTest::newRow("blank answer") << "  " << QStringList() << true << QStringList();
    QTest::newRow("declined") << "went" << QStringList() << false << QStringList();
    QTest::newRow("already converted")
        << "Multi" << QStringList{"went", "gone"} << true << QStringList{"went", "gone"};
}

void TestAuthoring::convert() {
    QFETCH(QString, answer);
    QFETCH(QStringList, list);
    QFETCH(bool, yes);
    QFETCH(QStringList, expected);
    start({{"go", answer}, {"run", "ran"}});
    const qint64 go = cardId("go");
    f->t.addAnswers(go, list);
    selectCard(1);
    selectCard(0);
    QCOMPARE(editorShown(), answer == QLatin1String("Multi"));
    const int narrow = c().Form1->width();

    convertCurrent(yes);
    QCOMPARE(f->dialogs.texts(), QStringList{kConvert});
    QCOMPARE(f->dialogs.shown().first().byDefault, present::Dialogs::Button::No);
    QCOMPARE(f->t.scalar("SELECT Answer FROM Card WHERE Card_ID = ?", {go}).toString(),
             yes ? QStringLiteral("Multi") : answer);
    QCOMPARE(answers(go), expected);
    QCOMPARE(f->count("SELECT COUNT(*) FROM MultipleAnswers"), expected.size());
    QCOMPARE(editorShown(), yes);
    if (yes) {
        QCOMPARE(c().TDBGrid2->currentIndex().row(), 0); // the converted card is current
        QCOMPARE(c().Adodc3->dataRowCount(), expected.size());
        QVERIFY(c().Form1->width() > narrow || answer == QLatin1String("Multi"));
    }
}

// The row still being typed becomes one card of the chosen set, then that card is converted.
void TestAuthoring::convertRowBeingTyped() {
    start({{"go", "went"}});
    QTableView* g = c().TDBGrid2;
    const int row = c().Adodc2->dataRowCount();
    QWidget* q = typeIntoCell(g, row, c().Adodc2->columnOf("Question"), "be", true);
    QVERIFY(q);
    QTest::keyClick(q, Qt::Key_Tab);
    QWidget* a = g->indexWidget(g->currentIndex());
    QVERIFY(a);
    QTest::keyClicks(a, QStringLiteral("was"));
    convertCurrent();
    const qint64 be = cardId("be");
    // One card "be", answer "Multi", tied to the chosen set only.
    QCOMPARE(f->t.scalar("SELECT group_concat(x) FROM (SELECT c.Question || c.Answer || "
                         "ifnull(r.Set_ID, '-') AS x FROM Card c LEFT JOIN Set_Card_rel r ON "
                         "r.Card_ID = c.Card_ID ORDER BY c.Card_ID)")
                 .toString(),
             QStringLiteral("gowent%1,beMulti%1").arg(set));
    QCOMPARE(answers(be), QStringList{"was"});
    QVERIFY(editorShown());
    QCOMPARE(c().Adodc3->valueAt(0, "M_Answer").toString(), QStringLiteral("was"));
}

void TestAuthoring::editListAndLeave() {
    start({{"go", "went"}, {"run", "ran"}});
    const qint64 go = cardId("go");
    selectCard(0);
    convertCurrent();
    typeAnswer("gone");
    typeAnswer("going");
    typeAnswer("   ");                          // blanks are no answer
    QCOMPARE(answers(go), QStringList{"went"}); // stored when the grid is left
    leaveAnswers();
    QCOMPARE(answers(go), (QStringList{"went", "gone", "going"}));

    deleteAnswerRow(1);
    leaveAnswers();
    QCOMPARE(answers(go), (QStringList{"went", "going"}));

    // A list left without any answer keeps the old one, and the user is told why.
    while (c().Adodc3->dataRowCount() > 0)
        deleteAnswerRow(0);
    leaveAnswers();
    QVERIFY(f->dialogs.lastText().contains("at least one answer"));
    QCOMPARE(answers(go), (QStringList{"went", "going"}));
    QCOMPARE(c().Adodc3->dataRowCount(), 2);

    // Closing the window stores what was typed last.
    typeAnswer("gone");
    f->w->close();
    QCOMPARE(answers(go), (QStringList{"went", "going", "gone"}));
}

// Answers typed one after another from the keyboard, Enter after each, as the help says.
void TestAuthoring::enterGoesOnToNewAnswer() {
    start({{"morning?", "Multi"}});
    const qint64 card = cardId("morning?");
    f->t.addAnswers(card, {"dawn"});
    selectCard(0);
    QVERIFY(editorShown());
    QVERIFY(typeIntoCell(c().TDBGrid1, 1, c().Adodc3->columnOf("M_Answer"), "a.m."));
    typeKeys("early");
    pressKey();
    typeKeys("sunrise");
    pressKey();
    leaveAnswers();
    QCOMPARE(answers(card), (QStringList{"dawn", "a.m.", "early", "sunrise"}));
}

void TestAuthoring::listStoredBeforeItGoes_data() {
    QTest::addColumn<bool>("deleteSet"); // else another set is chosen
    QTest::newRow("set deleted") << true;
    QTest::newRow("other set chosen") << false;
}

// Answers typed into an open list are stored before the list goes with its set.
void TestAuthoring::listStoredBeforeItGoes() {
    QFETCH(bool, deleteSet);
    start({{"go", "Multi"}});
    const qint64 go = cardId("go");
    f->t.addAnswers(go, {"went"});
    const qint64 nouns = f->t.addSet("Nouns");
    f->t.relate(nouns, go); // the card outlives the set
    c().Adodc1->refresh();
    QCoreApplication::processEvents(); // the card grid follows the set list
    selectCard(0);
    QVERIFY(editorShown());
    typeAnswer("gone");
    QCOMPARE(answers(go), QStringList{"went"}); // not stored while the list is open
    if (deleteSet) {
        c().mnuDelete->trigger();
        QCOMPARE(f->count("SELECT COUNT(*) FROM Set1 WHERE Set_ID = ?", {set}), 0);
    } else {
        f->t.chooseSet("Nouns");
        c().DataCombo1->setCurrentIndex(c().DataCombo1->findText("Nouns"));
    }
    QTRY_VERIFY(!c().TDBGrid1->isVisibleTo(c().Form1));
    QCOMPARE(answers(go), (QStringList{"went", "gone"}));
}

void TestAuthoring::failingStoreKeepsOldList() {
    start({{"go", "Multi"}});
    const qint64 go = cardId("go");
    f->t.addAnswers(go, {"went", "gone"});
    selectCard(0);
    QVERIFY(editorShown());
    f->t.exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON MultipleAnswers "
              "WHEN NEW.M_Answer = 'going' BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    typeAnswer("going");
    leaveAnswers();
    QVERIFY(f->dialogs.lastText().contains("could not be saved"));
    QCOMPARE(answers(go), (QStringList{"went", "gone"}));
}

void TestAuthoring::optionButtons_data() {
    QTest::addColumn<QVariant>("stored"); // ShowOrder and DisplayQuestionNumber
    QTest::addColumn<int>("on");
    QTest::newRow("empty counts as 0") << QVariant() << 0;
    QTest::newRow("1") << QVariant(1) << 1;
}

// Each button's caption tells the card's option; one click turns caption and column over.
void TestAuthoring::optionButtons() {
    QFETCH(QVariant, stored);
    QFETCH(int, on);
    start({{"colours", "Multi"}});
    const qint64 card = cardId("colours");
    f->t.exec("UPDATE Card SET ShowOrder = ?, DisplayQuestionNumber = ? WHERE Card_ID = ?",
              {stored, stored, card});
    selectCard(0);
    const auto captions = [&] { return QStringList{c().Command5->text(), c().Command4->text()}; };
    const QStringList offCaptions = {"The order is NOT important",
                                     "DON'T display the number of answers with the question"};
    const QStringList onCaptions = {"The order is important",
                                    "Display the number of answers with the question"};
    QCOMPARE(captions(), on ? onCaptions : offCaptions);
    QTest::mouseClick(c().Command5, Qt::LeftButton);
    QTest::mouseClick(c().Command4, Qt::LeftButton);
    QCOMPARE(
        f->t.scalar("SELECT ShowOrder || DisplayQuestionNumber FROM Card WHERE Card_ID = ?", {card})
            .toString(),
        QString("%1%1").arg(1 - on));
    QCOMPARE(captions(), on ? offCaptions : onCaptions);
}

// Straight after start, one click on a multiple-answer card shows its answers.
void TestAuthoring::firstClickOpensTheAnswers() {
    start({{"go", "went"}, {"colours", "Multi"}});
    f->t.addAnswers(cardId("colours"), {"red", "green"});
    QTableView* g = c().TDBGrid2;
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                      g->visualRect(c().Adodc2->index(1, 1)).center());
    QVERIFY(editorShown());
    QCOMPARE(c().Adodc3->dataRowCount(), 2);
}

// After the set list picks another set, the grid's first click is a row change of its own.
void TestAuthoring::multiRowAfterSetSwitch() {
    start({{"go", "went"}});
    const qint64 nouns = f->t.addSet("Nouns");
    const qint64 colours = f->t.addCard("colours", "Multi", nouns);
    f->t.addAnswers(colours, {"red", "green"});
    c().Adodc1->refresh();
    selectCard(0);
    QVERIFY(!editorShown());

    f->t.chooseSet("Nouns");
    c().DataCombo1->setCurrentIndex(c().DataCombo1->findText("Nouns"));
    QTRY_COMPARE(c().Adodc2->valueAt(0, "Question").toString(), QStringLiteral("colours"));
    c().TDBGrid2->setCurrentIndex(c().Adodc2->index(0, 1));
    QVERIFY(editorShown());
    QCOMPARE(c().Adodc3->dataRowCount(), 2);
    QCOMPARE(c().Adodc3->valueAt(1, "M_Answer").toString(), QStringLiteral("green"));
}

// A card converted from a blank answer has no answer yet: the editor opens empty, and
// leaving it empty says that one is needed.
void TestAuthoring::blankAnswerNeedsAnAnswer() {
    start({{"go", ""}, {"run", "ran"}});
    const qint64 go = cardId("go");
    selectCard(0);
    convertCurrent();
    QVERIFY(editorShown());
    QCOMPARE(c().Adodc3->dataRowCount(), 0);
    leaveAnswers();
    QVERIFY(f->dialogs.lastText().contains("at least one answer"));
    QCOMPARE(answers(go), QStringList());
    typeAnswer("went");
    leaveAnswers();
    QCOMPARE(answers(go), QStringList{"went"});
}

// The option buttons, grid headings and control names take a new language while the editor is
// open, and a click still turns the option over though the caption is no longer the English.
void TestAuthoring::editorFollowsAChangeOfLanguage() {
    start({{"colours", "Multi"}});
    const qint64 card = cardId("colours");
    f->t.exec("UPDATE Card SET ShowOrder = 1 WHERE Card_ID = ?", {card});
    selectCard(0);
    QVERIFY(editorShown());
    const auto seen = [&] {
        return QStringList{
            c().Command5->text(), c().Command4->text(),
            c().Adodc3->headerData(c().Adodc3->columnOf("M_Answer"), Qt::Horizontal).toString(),
            c().Adodc2->headerData(1, Qt::Horizontal).toString(), c().TDBGrid2->accessibleName()};
    };
    const QStringList english = {"The order is important",
                                 "DON'T display the number of answers with the question",
                                 "Multiple Answers", "Question", "Cards of the set"};
    QCOMPARE(seen(), english);

    MarkingTranslator marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    QStringList marked;
    for (const QString& text : english)
        marked << QStringLiteral("<>") + text;
    QTRY_COMPARE(seen(), marked);
    QTest::mouseClick(c().Command5, Qt::LeftButton);
    QCOMPARE(f->t.scalar("SELECT ShowOrder FROM Card WHERE Card_ID = ?", {card}).toInt(), 0);
    QCOMPARE(c().Command5->text(), QStringLiteral("<>The order is NOT important"));

    QCoreApplication::removeTranslator(&marking);
    QTRY_COMPARE(c().Command5->text(), QStringLiteral("The order is NOT important"));
    QCOMPARE(c().TDBGrid2->accessibleName(), QStringLiteral("Cards of the set"));
}

QTEST_MAIN(TestAuthoring)
#include "test_authoring.moc"
