// SPDX-License-Identifier: GPL-3.0-or-later
// KVTML files as KDE's programs really write them: the files KDE's trainers ship, and a file
// Memorant wrote, opened and saved again by KDE's own vocabulary library (a Qt 5 library, in
// the helper program tests/kvtml-roundtrip).
#include "DeckChecks.h"
#include "decks/DeckImport.h"
#include "decks/Kvtml.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Where Debian's kdeedu-kvtml-data puts the word lists of KDE's word games.
const QString kWordGameFiles = QStringLiteral("/usr/share/apps/kvtml");

QString kwordquizFile(const char* name) {
    return QStringLiteral(MEMORANT_FIXTURES "/decks/kwordquiz/") + QString::fromLatin1(name);
}

// What KDE's library saw in the file (each line split at its tabs), after saving it again as
// `out`; empty when the helper could not do it.
QList<QStringList> resaveWithKde(const QString& in, const QString& out) {
    QProcess helper;
    helper.start(QStringLiteral(KVTML_ROUNDTRIP), {in, out});
    if (!helper.waitForFinished(30000) || helper.exitStatus() != QProcess::NormalExit ||
        helper.exitCode() != 0) {
        qWarning().noquote() << helper.readAllStandardError();
        return {};
    }
    QList<QStringList> seen;
    for (const QString& line :
         QString::fromUtf8(helper.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        seen << line.split('\t');
    return seen;
}

} // namespace

class TestKvtmlOtherPrograms : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void kdeTrainersFiles();
    void resavedByKdeLibrary();
    void wordGameFiles();
};

void TestKvtmlOtherPrograms::initTestCase() {
    if (QStringLiteral(KVTML_ROUNDTRIP).isEmpty())
        qWarning("KDE's vocabulary library is not installed (Debian libkeduvocdocument-dev): "
                 "the files it writes are not tried");
}

// KWordQuiz's own example files, as Debian ships them, give the same cards before and after
// KDE's library saved them again.
void TestKvtmlOtherPrograms::kdeTrainersFiles() {
    const decks::DeckContent example = decks::readDeckFile(kwordquizFile("example.kvtml"));
    QCOMPARE(testing::deckLines(example).mid(0, 3),
             (QStringList{"example.kvtml", "one=ein", "two=zwei"}));
    QCOMPARE(example.cardCount(), 9);
    const decks::DeckContent verbs = decks::readDeckFile(kwordquizFile("french_verbs.kvtml"));
    QCOMPARE(verbs.cardCount(), 32);
    QCOMPARE(verbs.skipped, 3); // rows the author left empty
    if (QStringLiteral(KVTML_ROUNDTRIP).isEmpty())
        QSKIP("KDE's vocabulary library is not installed");
    QTemporaryDir dir;
    for (const char* name : {"example.kvtml", "french_verbs.kvtml"}) {
        const QString out = dir.filePath(QLatin1String(name));
        QVERIFY(!resaveWithKde(kwordquizFile(name), out).isEmpty());
        QCOMPARE(testing::deckLines(decks::readDeckFile(out)),
                 testing::deckLines(decks::readDeckFile(kwordquizFile(name))));
    }
}

// A set Memorant exported, opened and saved again by KDE's library, which keeps only what it
// understands: each answer of a multiple-answer card and its order flag come back, and a KDE
// trainer shows the answers joined. The library trims and folds each text it keeps, so the
// single answers come back trimmed, as from any other program's file.
void TestKvtmlOtherPrograms::resavedByKdeLibrary() {
    if (QStringLiteral(KVTML_ROUNDTRIP).isEmpty())
        QSKIP("KDE's vocabulary library is not installed");
    testing::TempDatabase t;
    const qint64 set = t.addSet("Mixed");
    t.addCard("Capital of France", "Paris", set);
    t.addCard(" blanks ", " at the ends\n", set);
    const qint64 ordered = t.addCard("Primes", "Multi", set);
    t.addAnswers(ordered, {"2", "3; or three", " 5 "});
    t.exec("UPDATE Card SET ShowOrder = 1 WHERE Card_ID = ?", {ordered});
    const qint64 anyOrder = t.addCard("Colours", "Multi", set);
    t.addAnswers(anyOrder, {"red", "blue"});
    const QString mine = t.dir() + QStringLiteral("/mine.kvtml");
    QCOMPARE(decks::writeKvtml(t.db(), "Mixed", mine), 4);

    const QString resaved = t.dir() + QStringLiteral("/resaved.kvtml");
    const QList<QStringList> seen = resaveWithKde(mine, resaved);
    QVERIFY(!seen.isEmpty());
    // What the library (and so a KDE trainer) sees of the ordered card's answer.
    QVERIFY(
        seen.contains(QStringList{"T", "1", "2; 3; or three; 5", "Multiple answers, in this order",
                                  "2", "3; or three", " 5 "}));
    QVERIFY(!testing::readFile(resaved).contains("Memorant"));

    const decks::DeckContent back = decks::readDeckFile(resaved);
    QCOMPARE(testing::deckLines(back),
             (QStringList{"Mixed", "Capital of France=Paris", "blanks=at the ends",
                          "Primes=2|3; or three|5 in order", "Colours=red|blue"}));
}

// The word lists of KDE's word games that Debian ships: each is read into cards (a word asked
// by its comment), or refused as a list whose words have no comment to ask them by.
void TestKvtmlOtherPrograms::wordGameFiles() {
    if (!QFileInfo::exists(kWordGameFiles))
        QSKIP("Debian's kdeedu-kvtml-data is not installed");
    int read = 0;
    int refused = 0;
    QDirIterator files(kWordGameFiles, {QStringLiteral("*.kvtml")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString error = testing::deckError([&] {
            const decks::DeckContent c = decks::readDeckFile(path);
            QVERIFY2(c.cardCount() > 0, qPrintable(path));
            ++read;
        });
        if (error.isEmpty())
            continue;
        ++refused;
        QVERIFY2(error.contains(QLatin1String("no word has a comment to ask it by")) ||
                     error.contains(QLatin1String("no entry holds both a question")),
                 qPrintable(error));
    }
    QVERIFY2(read > 100 && refused < read,
             qPrintable(QStringLiteral("%1 %2").arg(read).arg(refused)));
    const decks::DeckContent animals = decks::readDeckFile(kWordGameFiles + "/en/animals.kvtml");
    QCOMPARE(testing::deckLines(animals).at(1),
             QStringLiteral("Large heavy animal with thick fur=bear"));
}

QTEST_GUILESS_MAIN(TestKvtmlOtherPrograms)
#include "test_kvtml_other_programs.moc"
