// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetsFixture.h"

#include "data/RecordsetModel.h"

class TestSetLifecycle : public QObject {
    Q_OBJECT
  private slots:
    void badNamesAreRefused_data();
    void badNamesAreRefused();
    void newSetIsChosenForItsFirstCards();
    void namesRoundTrip_data();
    void namesRoundTrip();
    void renameKeepsChosenSet();
    void renameScreenTakesTypingAndEnter();
    void kidsConfirmPicture();
    void sharedCardSurvivesDeletion_data();
    void sharedCardSurvivesDeletion();
    void placeholderWhenOneSetRemains();
    void declinedDeletionChangesNothing();
    void afterDeletionTheShownSetIsChosen();
    void deleteWithoutSetsDoesNothing();
    void failedDeletionRollsBack();
    void listShowsTheChosenSet();
    void failedCreationLeavesNoSet();
};

namespace {

const QString kDuplicate =
    QStringLiteral("Set with the name specified already exists. Specify a different set name.");

void createByButton(SetsFixture& f, const QString& name) {
    f.c().Text1->setText(name);
    QTest::mouseClick(f.c().Command2, Qt::LeftButton);
}

QStringList setNames(SetsFixture& f) {
    return f.t.column("SELECT SetName FROM Set1 ORDER BY SetName");
}

void renameByButton(SetsFixture& f, const QString& shown, const QString& name) {
    f.c().DataCombo1->setCurrentIndex(f.c().DataCombo1->findText(shown));
    f.c().Text2->setText(name);
    QTest::mouseClick(f.c().Command1, Qt::LeftButton);
}

} // namespace

void TestSetLifecycle::badNamesAreRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("rename");
    QTest::addColumn<QString>("told");
    QTest::newRow("create, empty")
        << "" << false << "You must enter the meaningful set name to create a new set";
    QTest::newRow("create, taken in another case") << "vERBS" << false << kDuplicate;
    QTest::newRow("rename, empty") << "" << true << "Enter the new set name";
    QTest::newRow("rename, taken in another case") << "NOUNS" << true << kDuplicate;
}

// Refused: the screen stays, and no set is made or renamed.
void TestSetLifecycle::badNamesAreRefused() {
    QFETCH(bool, rename);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    SetsFixture f;
    f.seedVerbsAndNouns();
    QVERIFY(f.startActive());
    if (rename) {
        f.chooseMenu(f.c().mnuFile, f.c().mnuEdSetName);
        renameByButton(f, "Verbs", typed);
    } else {
        f.chooseMenu(f.c().mnuFile, f.c().CreatSet);
        createByButton(f, typed);
    }
    QCOMPARE(f.dialogs.lastText(), told);
    QVERIFY(rename ? f.w->screens().newSetName : f.w->screens().createSet);
    QCOMPARE(setNames(f), (QStringList{"Nouns", "Verbs"}));
}

void TestSetLifecycle::newSetIsChosenForItsFirstCards() {
    SetsFixture f;
    f.seedVerbsAndNouns();
    QVERIFY(f.startActive());
    f.c().CreatSet->trigger();
    QTest::keyClicks(f.c().Text1, "New");
    QTest::keyClick(f.c().Text1, Qt::Key_Return); // Enter creates it too
    QVERIFY(f.w->screens().setEditing);
    QCOMPARE(f.t.scalar("SELECT SetName FROM Fields").toString(), QStringLiteral("New"));
    QCOMPARE(f.c().DataCombo1->currentText(), QStringLiteral("New"));
    QCOMPARE(f.c().Adodc2->dataRowCount(), 0);
    // The first card typed belongs to the new set.
    QVERIFY(f.c().Adodc2->setData(f.c().Adodc2->index(0, 1), QStringLiteral("first")));
    QVERIFY(f.c().Adodc2->storePendingRow()); // as when the row is left
    QCOMPARE(f.count("SELECT COUNT(*) FROM qSelectedSet WHERE Question = 'first'"), 1);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set_Card_rel r JOIN Set1 s ON s.Set_ID = r.Set_ID "
                     "WHERE s.SetName = 'Verbs'"),
             1);
}

void TestSetLifecycle::namesRoundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("renamed"); // "2" and the name, as stored
    const auto row = [](const char* tag, const QString& name) {
        QTest::newRow(tag) << name << name << QStringLiteral("2") + name;
    };
    row("quotes", QStringLiteral("It's a \"quoted\" name'); DROP TABLE Card; --"));
    row("percent", QStringLiteral("100% _sure_ \\ %"));
    row("non-latin", QStringLiteral("Глаголы 動詞 ñandú λόγος"));
    QString longName;
    for (int i = 0; i < 1000; ++i)
        longName += QChar(u"aЖ語%'"[i % 5]);
    // Kept as a name from a file is: cut to 255 characters, never inside a character.
    QTest::newRow("a thousand characters")
        << longName << longName.left(255) << QStringLiteral("2") + longName.left(254);
    const QString smile = QString::fromUtf16(u"\U0001F600");
    QTest::newRow("a pair at the 255th character")
        << QString(254, 'a') + smile + smile << QString(254, 'a') + smile
        << QStringLiteral("2") + QString(254, 'a');
}

void TestSetLifecycle::namesRoundTrip() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, renamed);
    SetsFixture f;
    f.t.addSet("Old");
    f.t.chooseSet("Old");
    QVERIFY(f.startActive());

    createByButton(f, name);
    QCOMPARE(f.t.scalar("SELECT SetName FROM Set1 ORDER BY Set_ID DESC LIMIT 1").toString(),
             stored);
    QVERIFY(f.c().DataCombo1->findText(stored) >= 0);
    QVERIFY(f.dialogs.texts().isEmpty());

    // The same name again is refused, even though it is full of SQL's special characters.
    createByButton(f, name);
    QCOMPARE(f.dialogs.lastText(), kDuplicate);

    renameByButton(f, "Old", QStringLiteral("2") + name);
    QCOMPARE(f.t.scalar("SELECT SetName FROM Set1 ORDER BY Set_ID LIMIT 1").toString(), renamed);
    QVERIFY(f.c().DataCombo1->findText(renamed) >= 0);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card"), 0);
}

void TestSetLifecycle::renameKeepsChosenSet() {
    SetsFixture f;
    const qint64 verbs = f.seedVerbsAndNouns();
    QVERIFY(f.startActive());
    renameByButton(f, "Verbs", QStringLiteral("Irregular verbs"));
    QCOMPARE(f.t.scalar("SELECT SetName FROM Set1 WHERE Set_ID = ?", {verbs}).toString(),
             QStringLiteral("Irregular verbs"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set1 WHERE SetName = 'Nouns'"), 1);
    QCOMPARE(f.t.scalar("SELECT SetName FROM Fields").toString(),
             QStringLiteral("Irregular verbs"));
    QVERIFY(f.w->screens().setEditing);
    QCOMPARE(f.c().Adodc2->dataRowCount(), 1); // the grid still shows the renamed set
}

void TestSetLifecycle::renameScreenTakesTypingAndEnter() {
    SetsFixture f;
    f.seedVerbsAndNouns();
    QVERIFY(f.startActive());
    f.c().mnuEdSetName->trigger();
    QVERIFY(f.c().Text2->hasFocus()); // typing goes straight into the new name
    QTest::keyClicks(QApplication::focusWidget(), "Modal verbs");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set1 WHERE SetName = 'Modal verbs'"), 1);
    QVERIFY(f.w->screens().setEditing);
}

void TestSetLifecycle::kidsConfirmPicture() {
    SetsFixture f;
    f.seedVerbsAndNouns();
    QVERIFY(f.startActive());
    auto* picture = f.c().Picture[2];
    picture->show();

    f.c().CreatSet->trigger();
    f.c().Text1->clear();
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Enter the name of the new set"));
    f.c().Text1->setText("Adjectives");
    QCOMPARE(picture->frameShape(), QFrame::Box); // something typed: the picture is framed
    picture->show();
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set1 WHERE SetName = 'Adjectives'"), 1);

    f.c().mnuEdSetName->trigger();
    f.c().Text2->clear();
    picture->show();
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Enter the new set name"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set1"), 3);
}

void TestSetLifecycle::sharedCardSurvivesDeletion_data() {
    QTest::addColumn<QString>("deleted");
    QTest::newRow("first set") << "Verbs";
    QTest::newRow("second set") << "Nouns";
}

void TestSetLifecycle::sharedCardSurvivesDeletion() {
    QFETCH(QString, deleted);
    SetsFixture f;
    const qint64 verbs = f.t.addSet("Verbs");
    const qint64 nouns = f.t.addSet("Nouns");
    f.t.addSet("Adjectives");
    const qint64 shared = f.t.addCard("run", "ran", verbs);
    f.t.relate(nouns, shared);
    const qint64 ownVerb = f.t.addCard("go", "Multi", verbs);
    f.t.addAnswers(ownVerb, {"went", "gone"});
    const qint64 ownNoun = f.t.addCard("cat", "Katze", nouns);
    f.t.addAnswers(ownNoun, {"Kater"});
    f.t.chooseSet(deleted);
    QVERIFY(f.startActive());

    f.chooseMenu(f.c().mnuEdit, f.c().mnuDelete);
    QCOMPARE(setNames(f), (QStringList{"Adjectives", deleted == "Verbs" ? "Nouns" : "Verbs"}));
    // The shared card and the kept set's own card stay, with its answers; nothing is left
    // dangling: every tie names a set and a card, every answer a card.
    const qint64 ownKept = deleted == QStringLiteral("Verbs") ? ownNoun : ownVerb;
    QCOMPARE(f.t.scalar("SELECT group_concat(Card_ID) FROM Card").toString(),
             QStringLiteral("%1,%2").arg(shared).arg(ownKept));
    QCOMPARE(f.t.scalar("SELECT group_concat(DISTINCT Card_ID) FROM MultipleAnswers").toLongLong(),
             ownKept);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set_Card_rel WHERE Set_ID NOT IN (SELECT Set_ID FROM "
                     "Set1) OR Card_ID NOT IN (SELECT Card_ID FROM Card)"),
             0);
    QVERIFY(f.w->recordsets().isLoaded());
}

void TestSetLifecycle::placeholderWhenOneSetRemains() {
    SetsFixture f;
    const qint64 verbs = f.t.addSet("Verbs");
    const qint64 nouns = f.t.addSet("Nouns");
    f.t.addCard("go", "went", verbs);
    f.t.addCard("cat", "Katze", nouns);
    f.t.chooseSet("Verbs");
    QVERIFY(f.startActive());

    f.c().mnuDelete->trigger();
    // A placeholder card "dummy" in no set, beside the kept set's card.
    QCOMPARE(f.t.scalar("SELECT group_concat(Question || (SELECT COUNT(*) FROM Set_Card_rel r "
                        "WHERE r.Card_ID = c.Card_ID)) FROM Card c")
                 .toString(),
             "cat1,dummy0");

    // The placeholder is swept with the next deletion; with no set left none comes back.
    f.t.chooseSet("Nouns");
    f.c().mnuDelete->trigger();
    QCOMPARE(f.count("SELECT (SELECT COUNT(*) FROM Set1) + (SELECT COUNT(*) FROM Card)"), 0);
}

void TestSetLifecycle::declinedDeletionChangesNothing() {
    SetsFixture f;
    const qint64 verbs = f.t.addSet("Verbs");
    const qint64 card = f.t.addCard("go", "Multi", verbs);
    f.t.addAnswers(card, {"went"});
    f.t.exec("INSERT INTO Card (Question) VALUES ('orphan')");
    f.t.chooseSet("Verbs");
    QVERIFY(f.startActive());
    f.dialogs.nextAnswer(false);
    f.c().mnuDelete->trigger();
    // In Kids mode one Enter answers the box: it must keep the set.
    QCOMPARE(f.dialogs.shown().last().byDefault, present::Dialogs::Button::No);
    // Not even the orphan is swept.
    QCOMPARE(f.t.scalar("SELECT (SELECT COUNT(*) FROM Set1) || (SELECT COUNT(*) FROM Card) || "
                        "(SELECT COUNT(*) FROM Set_Card_rel) || (SELECT COUNT(*) FROM "
                        "MultipleAnswers) || (SELECT COUNT(*) FROM Card WHERE Active = 0)")
                 .toString(),
             QStringLiteral("12110"));
}

void TestSetLifecycle::afterDeletionTheShownSetIsChosen() {
    SetsFixture f;
    const qint64 nouns = f.t.addSet("Nouns");
    f.t.addCard("Haus", "house", nouns);
    f.t.addSet("Verbs");
    f.t.chooseSet("Verbs");
    QVERIFY(f.startActive());
    QCOMPARE(f.c().DataCombo1->currentText(), QStringLiteral("Verbs")); // not merely the first
    f.c().mnuDelete->trigger();
    QCOMPARE(f.t.scalar("SELECT SetName FROM Fields").toString(), QStringLiteral("Nouns"));
    QCOMPARE(f.c().DataCombo1->currentText(), QStringLiteral("Nouns"));
    QCOMPARE(f.c().Adodc2->dataRowCount(), 1); // the grid shows the set the list shows
}

void TestSetLifecycle::deleteWithoutSetsDoesNothing() {
    SetsFixture f;
    f.t.exec("INSERT INTO Card (Question) VALUES ('orphan')");
    QVERIFY(f.startActive());
    f.c().mnuDelete->trigger();
    QVERIFY(f.dialogs.texts().isEmpty());
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card"), 1);
}

void TestSetLifecycle::failedDeletionRollsBack() {
    SetsFixture f;
    f.seedVerbsAndNouns();
    f.t.exec("CREATE TRIGGER refuse BEFORE DELETE ON Card BEGIN "
             "SELECT RAISE(ABORT, 'the disk is full'); END");
    QVERIFY(f.startActive());
    f.c().mnuDelete->trigger();
    QVERIFY(f.dialogs.lastText().contains("nothing was changed"));
    QVERIFY(f.dialogs.lastText().contains("the disk is full"));
    // Sets, ties and active cards all as before.
    QCOMPARE(f.t.scalar("SELECT (SELECT COUNT(*) FROM Set1) || (SELECT COUNT(*) FROM Set_Card_rel) "
                        "|| (SELECT COUNT(*) FROM Card WHERE Active = 1)")
                 .toString(),
             "211");
    QVERIFY(f.w->recordsets().isLoaded());
}

// Fields.SetName naming no set (edited elsewhere): at start-up and after a change of the
// list, the set the list shows is the chosen set.
void TestSetLifecycle::listShowsTheChosenSet() {
    SetsFixture f;
    f.seedVerbsAndNouns();
    f.t.chooseSet("Gone");
    QVERIFY(f.startActive());
    const auto chosen = [&] { return f.t.scalar("SELECT SetName FROM Fields").toString(); };
    QCOMPARE(f.c().DataCombo1->currentText(), chosen());
    f.t.chooseSet("Gone too");
    renameByButton(f, "Verbs", QStringLiteral("Actions"));
    QCOMPARE(f.c().DataCombo1->currentText(), chosen());
}

void TestSetLifecycle::failedCreationLeavesNoSet() {
    SetsFixture f;
    f.seedVerbsAndNouns();
    f.t.exec("CREATE TRIGGER refuse BEFORE UPDATE ON Fields WHEN NEW.SetName = 'Adjectives' "
             "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");
    QVERIFY(f.startActive());
    f.c().CreatSet->trigger();
    createByButton(f, "Adjectives");
    QVERIFY(f.dialogs.lastText().contains("the disk is full"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM Set1 WHERE SetName = 'Adjectives'"), 0);
}

QTEST_MAIN(TestSetLifecycle)
#include "test_setlifecycle.moc"
