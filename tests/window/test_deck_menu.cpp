// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import > Cards from another trainer... and File > Export set as KVTML..., in the real
// main window.
#include "PackageBuilder.h"
#include "decks/DeckImport.h"
#include "media/MediaStore.h"
#include "support/Files.h"
#include "support/MediaBytes.h"
#include "support/WindowFixture.h"
#include "window/DeckDialog.h"
#include "window/DeckMenu.h"

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

class TestDeckMenu : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { f.reset(); }
    void previewShowsSetsCardsAndWhatIsLeftOut();
    void importShowsTheNewSetAndExportReadsBack();
    void cancelledPreviewAddsNothing();
    void picturesOutsideTheFilesFolderAskedFor_data();
    void picturesOutsideTheFilesFolderAskedFor();

  private:
    window::DeckMenu& menu() { return *f->w->findChild<window::DeckMenu*>(); }
    std::unique_ptr<testing::WindowFixture> f;
    QTemporaryDir dir;
};

void TestDeckMenu::init() {
    f = std::make_unique<testing::WindowFixture>();
    f->t.addCard("go", "went", f->t.addSet("Verbs"));
    f->t.chooseSet("Verbs");
    f->start();
}

void TestDeckMenu::previewShowsSetsCardsAndWhatIsLeftOut() {
    const decks::DeckContent c =
        decks::readDeckFile(testing::writePackage(dir.path(), testing::Collection::Anki21));
    window::DeckDialog d(c, {QStringLiteral("Geography"), QStringLiteral("Languages::French")},
                         nullptr);
    auto* sets = d.findChild<QTableWidget*>(QStringLiteral("sets"));
    auto* cards = d.findChild<QTableWidget*>(QStringLiteral("cards"));
    QCOMPARE(sets->rowCount(), 2);
    QCOMPARE(sets->item(1, 1)->text(), QStringLiteral("2"));
    QCOMPARE(cards->rowCount(), 2);
    QCOMPARE(cards->item(1, 1)->text(), QStringLiteral("Paris; France"));
    sets->setCurrentCell(1, 0);
    QCOMPARE(cards->item(0, 0)->text(), QStringLiteral("le chat"));
    const QString left = d.findChild<QLabel*>(QStringLiteral("leftOut"))->text();
    // The package lacks the files its kept note names; a skipped note's picture is not counted.
    QVERIFY2(left.contains("1 picture left out (1 not found)") &&
                 left.contains("1 sound left out (1 not found)"),
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
    QCOMPARE(f->t.scalar("SELECT SetName FROM Fields").toString(), QStringLiteral("Geography"));
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM Card").toInt(), 5);
    QVERIFY2(f->dialogs.lastText().startsWith(QStringLiteral("Imported 4 cards from deck-0.apkg")),
             qPrintable(f->dialogs.lastText()));

    const QString out = dir.filePath(QStringLiteral("geo.kvtml"));
    menu().chooseExportFile = [&](const QString& suggested) {
        return suggested == QStringLiteral("Geography.kvtml") ? out : QString();
    };
    menu().exportAction->trigger();
    const decks::DeckContent back = decks::readDeckFile(out);
    QCOMPARE(back.sets[0].cards.size(), 2);
    QCOMPARE(back.sets[0].cards[0].question, QStringLiteral("Paris is&"));
    // The cloze card comes back with each answer, in order.
    QCOMPARE(back.sets[0].cards[1].answers, (QStringList{"Paris", "France"}));
    QVERIFY(back.sets[0].cards[1].orderImportant);
}

void TestDeckMenu::cancelledPreviewAddsNothing() {
    const QString package = testing::writePackage(dir.path(), testing::Collection::Anki21b);
    menu().chooseDeckToImport = [&] { return package; };
    menu().previewDeck = [](const decks::DeckContent&, const QStringList&) { return false; };
    menu().importAction->trigger();
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM Set1").toInt(), 1);
    // A file that cannot be read is a warning naming it.
    const QString broken = dir.filePath(QStringLiteral("broken.apkg"));
    testing::writeFile(broken, "PK not really");
    menu().chooseDeckToImport = [&] { return broken; };
    menu().importAction->trigger();
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM Set1").toInt(), 1);
    QCOMPARE(f->dialogs.shown().last().kind, testing::ScriptedDialogs::Shown::Warning);
    QVERIFY2(f->dialogs.lastText().startsWith(QStringLiteral("broken.apkg: ")),
             qPrintable(f->dialogs.lastText()));
}

void TestDeckMenu::picturesOutsideTheFilesFolderAskedFor_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("taken") << true;
    QTest::newRow("left out") << false;
}

void TestDeckMenu::picturesOutsideTheFilesFolderAskedFor() {
    QFETCH(bool, yes);
    const QByteArray picture = testing::pngBytes(8, 8, "far");
    testing::writeFile(dir.filePath("far.png"), picture);
    const QString file = dir.filePath("words/far.kvtml");
    testing::writeFile(file, "<kvtml version=\"2.0\"><entries><entry><translation id=\"0\">"
                             "<text>far</text><image>../far.png</image></translation>"
                             "<translation id=\"1\"><text>loin</text></translation></entry>"
                             "</entries></kvtml>");
    menu().chooseDeckToImport = [&] { return file; };
    menu().previewDeck = [](const decks::DeckContent&, const QStringList&) { return true; };
    f->dialogs.nextAnswer(yes);
    menu().importAction->trigger();
    const auto asked =
        std::find_if(f->dialogs.shown().begin(), f->dialogs.shown().end(), [](const auto& s) {
            return s.kind == testing::ScriptedDialogs::Shown::Confirm;
        });
    QVERIFY(asked != f->dialogs.shown().end());
    // The file is named, and Enter alone does not let the file reach outside its folder.
    QVERIFY2(asked->text.contains(
                 QDir::toNativeSeparators(QFileInfo(dir.filePath("far.png")).canonicalFilePath())),
             qPrintable(asked->text));
    QCOMPARE(asked->byDefault, present::Dialogs::Button::No);
    QCOMPARE(
        f->t.scalar("SELECT coalesce(Picture, '') FROM Card WHERE Question = 'far'").toString(),
        yes ? media::hashOf(picture) : QString());
    QVERIFY2(f->dialogs.lastText().contains(yes ? "with 1 picture"
                                                : "1 picture left out (1 outside the file's "
                                                  "folder)"),
             qPrintable(f->dialogs.lastText()));
}

QTEST_MAIN(TestDeckMenu)
#include "test_deck_menu.moc"
