// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import > Cards from another trainer... and File > Export set as KVTML..., in the real
// main window.
#include "PackageBuilder.h"
#include "window/DeckDialog.h"
#include "window/DeckMenu.h"
#include "window/Form1.h"
#include "decks/DeckImport.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QtTest>
#include <memory>

class TestDeckMenu : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void entriesSitBesideTheWordLists();
    void previewShowsSetsCardsAndWhatIsLeftOut();
    void importShowsTheNewSetAndExportReadsBack();
    void cancelledPreviewAddsNothing();

  private:
    app::DeckMenu& menu() { return *w->findChild<app::DeckMenu*>(); }
    std::unique_ptr<testing::TempDatabase> t;
    testing::ScriptedDialogs dialogs;
    testing::RecordingSpeech speech;
    std::unique_ptr<app::Form1> w;
    QTemporaryDir dir;
};

void TestDeckMenu::init() {
    t = std::make_unique<testing::TempDatabase>();
    t->addCard(QStringLiteral("go"), QStringLiteral("went"), t->addSet(QStringLiteral("Verbs")));
    t->chooseSet(QStringLiteral("Verbs"));
    dialogs.clear();
    w = std::make_unique<app::Form1>(t->db(), dialogs, speech);
    w->Form_Load();
    w->show();
}

void TestDeckMenu::cleanup() {
    w.reset();
    t.reset();
}

void TestDeckMenu::entriesSitBesideTheWordLists() {
    const QList<QAction*> import =
        menu().importAction->associatedObjects().isEmpty()
            ? QList<QAction*>{}
            : qobject_cast<QMenu*>(menu().importAction->associatedObjects().first())->actions();
    const qsizetype at = import.indexOf(menu().importAction);
    QVERIFY(at > 0);
    QCOMPARE(import[at - 1]->text(), QStringLiteral("Word list..."));
    QCOMPARE(menu().importAction->text(), QStringLiteral("Cards from another trainer..."));
    QCOMPARE(menu().exportAction->text(), QStringLiteral("Export set as KVTML..."));
    QVERIFY(!menu().exportAction->associatedObjects().isEmpty());
}

void TestDeckMenu::previewShowsSetsCardsAndWhatIsLeftOut() {
    const decks::DeckContent c =
        decks::readDeckFile(testing::writePackage(dir.path(), testing::Collection::Anki21));
    app::DeckDialog d(c, {QStringLiteral("Geography"), QStringLiteral("Languages::French")},
                      nullptr);
    auto* sets = d.findChild<QTableWidget*>(QStringLiteral("sets"));
    auto* cards = d.findChild<QTableWidget*>(QStringLiteral("cards"));
    QCOMPARE(sets->rowCount(), 2);
    QCOMPARE(sets->item(1, 1)->text(), QStringLiteral("1"));
    QCOMPARE(cards->rowCount(), 2);
    QCOMPARE(cards->item(1, 1)->text(), QStringLiteral("Paris; France"));
    sets->setCurrentCell(1, 0);
    QCOMPARE(cards->item(0, 0)->text(), QStringLiteral("le chat"));
    const QString left = d.findChild<QLabel*>(QStringLiteral("leftOut"))->text();
    QVERIFY2(left.contains(QStringLiteral("1 sound")) &&
                 left.contains(QStringLiteral("2 pictures")),
             qPrintable(left));
}

void TestDeckMenu::importShowsTheNewSetAndExportReadsBack() {
    const QString package = testing::writePackage(dir.path(), testing::Collection::Anki2);
    QStringList previewed;
    menu().chooseDeckToImport = [&] { return package; };
    menu().previewDeck = [&](const decks::DeckContent&, const QStringList& names) {
        previewed = names;
        return true;
    };
    menu().importAction->trigger();
    QCOMPARE(previewed,
             (QStringList{QStringLiteral("Geography"), QStringLiteral("Languages::French")}));
    QCOMPARE(t->scalar("SELECT SetName FROM Fields").toString(), QStringLiteral("Geography"));
    QCOMPARE(t->scalar("SELECT COUNT(*) FROM Card").toInt(), 4);
    QVERIFY2(dialogs.lastText().startsWith(QStringLiteral("Imported 3 cards from deck-0.apkg")),
             qPrintable(dialogs.lastText()));

    const QString out = dir.filePath(QStringLiteral("geo.kvtml"));
    menu().chooseExportFile = [&](const QString& suggested) {
        return suggested == QStringLiteral("Geography.kvtml") ? out : QString();
    };
    menu().exportAction->trigger();
    const decks::DeckContent back = decks::readDeckFile(out);
    QCOMPARE(back.sets[0].cards.size(), 2);
    QCOMPARE(back.sets[0].cards[0].question, QStringLiteral("Paris is&"));
}

void TestDeckMenu::cancelledPreviewAddsNothing() {
    const QString package = testing::writePackage(dir.path(), testing::Collection::Anki21b);
    menu().chooseDeckToImport = [&] { return package; };
    menu().previewDeck = [](const decks::DeckContent&, const QStringList&) { return false; };
    menu().importAction->trigger();
    QCOMPARE(t->scalar("SELECT COUNT(*) FROM Set1").toInt(), 1);
    // A file that cannot be read is a warning naming it.
    const QString broken = dir.filePath(QStringLiteral("broken.apkg"));
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("PK not really");
    f.close();
    menu().chooseDeckToImport = [&] { return broken; };
    menu().importAction->trigger();
    QCOMPARE(t->scalar("SELECT COUNT(*) FROM Set1").toInt(), 1);
    QCOMPARE(dialogs.shown().last().kind, testing::ScriptedDialogs::Shown::Warning);
    QVERIFY2(dialogs.lastText().startsWith(QStringLiteral("broken.apkg: ")),
             qPrintable(dialogs.lastText()));
}

QTEST_MAIN(TestDeckMenu)
#include "test_deck_menu.moc"
