// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import > Word list... and File > Export set as word list..., in the real main window.
#include "support/Files.h"
#include "support/WindowFixture.h"
#include "window/WordListDialog.h"
#include "window/WordListMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using testing::listPath;

class TestWordListMenu : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { f.reset(); }
    void previewShowsWhatWasDetectedAndFollowsChanges();
    void importShowsTheNewSet();
    void failingImportNamesFileAndLine();
    void exportWritesTheChosenSet();
    void previewCountsTheWholeFile();
    void previewOffersTheEncodingOfAStrayByte();

  private:
    window::WordListMenu& menu() { return *f->w->findChild<window::WordListMenu*>(); }
    std::unique_ptr<testing::WindowFixture> f;
};

void TestWordListMenu::init() {
    f = std::make_unique<testing::WindowFixture>();
    f->t.addCard("go", "went", f->t.addSet("Verbs"));
    f->t.chooseSet("Verbs");
    f->start();
}

void TestWordListMenu::previewShowsWhatWasDetectedAndFollowsChanges() {
    const wordlist::ListFile file = wordlist::readListFile(listPath("cp1252_header.csv"));
    window::WordListDialog d(file, {QStringLiteral("cp1252_header")});
    QCOMPARE(d.separatorBox()->currentText(), QStringLiteral("Semicolon ;"));
    QVERIFY(d.headerBox()->isChecked());
    QCOMPARE(d.questionBox()->currentText(), QStringLiteral("Column 1: English"));
    QCOMPARE(d.table()->item(0, 1)->text(), QStringLiteral("beer"));
    QCOMPARE(d.table()->item(0, 2)->text(), QStringLiteral("Bier"));
    QVERIFY(d.findChild<QLabel*>(QStringLiteral("nameNote"))->text().contains("cp1252_header 2"));
    QLabel* summary = d.findChild<QLabel*>(QStringLiteral("summary"));
    QVERIFY2(summary->text().contains("Line 1 (\"English\", \"German\") is taken as the column "
                                      "names; untick"),
             qPrintable(summary->text()));

    d.headerBox()->setChecked(false);
    QCOMPARE(d.table()->rowCount(), 4);
    QCOMPARE(d.table()->item(0, 1)->text(), QStringLiteral("English"));
    d.separatorBox()->setCurrentIndex(d.separatorBox()->findText(QStringLiteral("Comma ,")));
    QCOMPARE(d.table()->item(0, 3)->text(), QStringLiteral("skipped: too few fields"));
    d.separatorBox()->setCurrentIndex(d.separatorBox()->findText(QStringLiteral("Semicolon ;")));
    d.questionBox()->setCurrentIndex(1);
    d.answerBox()->setCurrentIndex(0);
    QCOMPARE(d.table()->item(0, 1)->text(), QStringLiteral("German"));
    const wordlist::ListOptions o = d.options();
    QVERIFY(!o.header.value());
    QCOMPARE(o.columns.question, 1);
    QCOMPARE(o.columns.answer, 0);
}

void TestWordListMenu::importShowsTheNewSet() {
    menu().chooseListToImport = [] { return listPath("cp1252_header.csv"); };
    menu().previewList = [](const wordlist::ListFile& file, const QStringList& existing) {
        window::WordListDialog d(file, existing);
        d.nameEdit()->setText(QStringLiteral("verbs"));
        return std::optional<wordlist::ListOptions>(d.options());
    };
    f->w->controls().mnuImpWordList->trigger();
    QCOMPARE(f->dialogs.lastText(),
             QStringLiteral("3 cards were imported from cp1252_header.csv into the new set "
                            "\"verbs 2\"."));
    QComboBox* list = f->w->controls().DataCombo1;
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentText(), QStringLiteral("verbs 2"));
    QCOMPARE(f->w->controls().Adodc2->rowCount(), 3 + 1); // and the row for a new card
    QVERIFY(f->w->screens().setEditing);
}

void TestWordListMenu::failingImportNamesFileAndLine() {
    menu().chooseListToImport = [] { return listPath("unclosed_quote.csv"); };
    menu().previewList = [](const wordlist::ListFile&, const QStringList&) {
        return std::optional<wordlist::ListOptions>(wordlist::ListOptions{});
    };
    f->w->controls().mnuImpWordList->trigger();
    QCOMPARE(f->dialogs.shown().size(), 1);
    QCOMPARE(f->dialogs.shown().first().kind, testing::ScriptedDialogs::Shown::Warning);
    QVERIFY2(f->dialogs.lastText().startsWith("unclosed_quote.csv, line 4:"),
             qPrintable(f->dialogs.lastText()));
    QCOMPARE(f->t.scalar("SELECT COUNT(*) FROM Set1").toInt(), 1);
    QCOMPARE(f->w->controls().DataCombo1->count(), 1);
}

void TestWordListMenu::exportWritesTheChosenSet() {
    const QString path = f->t.dir() + QStringLiteral("/verbs.tsv");
    QString suggested;
    menu().chooseExportFile = [&](const QString& name) {
        suggested = name;
        return path;
    };
    f->w->controls().mnuExpWordList->trigger();
    QCOMPARE(suggested, QStringLiteral("Verbs.tsv"));
    QVERIFY2(f->dialogs.lastText().startsWith("1 card of the set \"Verbs\" was written"),
             qPrintable(f->dialogs.lastText()));
    QCOMPARE(testing::readFile(path), QByteArray("Question\tAnswer\ngo\twent\n"));
}

void TestWordListMenu::previewCountsTheWholeFile() {
    const QString path = f->t.dir() + QStringLiteral("/long.tsv");
    QByteArray bytes;
    for (int i = 0; i < 120; ++i)
        bytes += QByteArray::number(i) + (i % 10 ? "\tanswer\n" : "\t\n");
    testing::writeFile(path, bytes);
    window::WordListDialog d(wordlist::readListFile(path), {});
    QCOMPARE(d.table()->rowCount(), window::WordListDialog::kPreviewRows);
    const QString summary = d.findChild<QLabel*>(QStringLiteral("summary"))->text();
    QVERIFY2(summary.contains("The whole file makes 108 cards (12 rows skipped)."),
             qPrintable(summary));
}

void TestWordListMenu::previewOffersTheEncodingOfAStrayByte() {
    const QString path = f->t.dir() + QStringLiteral("/stray.csv");
    testing::writeFile(path, "Z\xC3\xBCrich;Zurich\ncaf\xE9;coffee\n");
    window::WordListDialog d(wordlist::readListFile(path), {});
    QPushButton* import = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QLabel* summary = d.findChild<QLabel*>(QStringLiteral("summary"));
    QVERIFY(!import->isEnabled());
    QVERIFY2(summary->text().contains("Line 2 holds a byte that is not UTF-8"),
             qPrintable(summary->text()));
    d.encodingBox()->setCurrentIndex(d.encodingBox()->findText(QStringLiteral("Windows-1252")));
    QVERIFY(import->isEnabled());
    QCOMPARE(d.separatorBox()->currentText(), QStringLiteral("Semicolon ;"));
    QCOMPARE(d.table()->item(1, 1)->text(), QStringLiteral("café"));
    QCOMPARE(d.options().encoding, data::TextEncoding::Windows1252);
}

QTEST_MAIN(TestWordListMenu)
#include "test_wordlist_menu.moc"
