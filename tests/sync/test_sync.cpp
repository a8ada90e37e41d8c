// SPDX-License-Identifier: GPL-3.0-or-later
// Two or three machines syncing through one folder: what travels, how clashing changes end,
// and what a damaged, newer, read-only or copied folder or database does.
#include "Machine.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "sync/ChangeFile.h"
#include "sync/Hlc.h"
#include "sync/LostEdits.h"
#include "sync/SyncFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testing::Machine;

class TestSync : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString folder_;

    // Every machine syncs until nothing more arrives.
    void settle(std::initializer_list<Machine*> machines) { testing::settle(folder_, machines); }

    QString ownFolder(const Machine& m) const {
        return QDir(syncing::syncRoot(folder_))
            .filePath(m.scalar(QStringLiteral("SELECT Id FROM SyncReplica")).toString());
    }

  private slots:
    void init() {
        folder_ = dir_.filePath(QStringLiteral("shared-%1-%2")
                                    .arg(QTest::currentTestFunction(),
                                         QString(QTest::currentDataTag()).replace(' ', '-')));
        QDir().mkpath(folder_);
    }
    void cleanup() { syncing::setClockShiftForTesting(0); }

    void setsCardsAnswersAndRepliesTravel() {
        Machine a(dir_.path(), QStringLiteral("desk"));
        Machine b(dir_.path(), QStringLiteral("laptop"));
        a.addSet(QStringLiteral("Verbs"));
        const qint64 go =
            a.addCard(QStringLiteral("Verbs"), QStringLiteral("go"), QStringLiteral("gehen"));
        const qint64 multi = a.addCard(QStringLiteral("Verbs"), QStringLiteral("forms"), QString());
        a.setAnswers(multi, {QStringLiteral("ging"), QStringLiteral("gegangen\tx"), QString()});
        a.reply(go, true);
        a.reply(go, false);
        settle({&a, &b});
        QCOMPARE(b.digest(), a.digest());
        QVERIFY(b.digest().contains(QStringLiteral("card go|gehen")));
        // The second machine learns too; both end with the same weights and log.
        b.reply(b.cardId(QStringLiteral("go")), true);
        a.reply(go, true);
        settle({&a, &b});
        QCOMPARE(b.digest(), a.digest());
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM Log")).toInt(), 4);
        // The summary line counts what moved.
        const syncing::SyncSummary quiet = a.sync(folder_);
        QCOMPARE(quiet.line(),
                 QStringLiteral("sent=0 received=0 machines=2 conflicts=0 skipped=0"));
    }

    // Two machines that began with the sample set and each added cards of their own: one
    // sample set, its cards not doubled, both machines' own cards in it.
    void aDatabaseWithCardsJoinsWithoutDoubling() {
        Machine a(dir_.path(), QStringLiteral("a"), true);
        Machine b(dir_.path(), QStringLiteral("b"), true);
        const QString sample = a.column(QStringLiteral("SELECT SetName FROM Set1")).value(0);
        const int cards = a.scalar(QStringLiteral("SELECT COUNT(*) FROM Card")).toInt();
        a.addCard(sample, QStringLiteral("only a"), QStringLiteral("1"));
        b.addCard(sample, QStringLiteral("only b"), QStringLiteral("2"));
        b.reply(b.cardId(QStringLiteral("only b")), true);
        a.sync(folder_);
        const syncing::SyncSummary joined = b.sync(folder_);
        QCOMPARE(joined.joinedSets, 1);
        QCOMPARE(joined.joinedCards, cards);
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt(), 1);
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM Card")).toInt(), cards + 2);
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Card")).toInt(), cards + 2);
    }

    void laterTextWinsAndTheLoserIsKept() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("S"));
        a.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        settle({&a, &b});
        a.editCard(a.cardId(QStringLiteral("q")), QStringLiteral("q"), QStringLiteral("from a"));
        QTest::qWait(5);
        b.editCard(b.cardId(QStringLiteral("q")), QStringLiteral("q"), QStringLiteral("from b"));
        // Field by field: a question changed on a survives b's later answer.
        a.editCard(a.cardId(QStringLiteral("q")), QStringLiteral("q2"), QStringLiteral("from a"));
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
        QVERIFY2(a.digest().contains(QStringLiteral("card q2|from b")), qPrintable(a.digest()));
        for (Machine* m : {&a, &b})
            QCOMPARE(m->column(QStringLiteral("SELECT Field || ' ' || Lost FROM SyncConflict")),
                     QStringList{QStringLiteral("Answer from a")});
        // Brought back on the machine whose text won, it wins on both as a new edit.
        const std::vector<syncing::LostEdit> lost = syncing::lostEdits(b.db());
        QCOMPARE(lost.size(), size_t(1));
        QCOMPARE(lost[0].about, QStringLiteral("q2"));
        QCOMPARE(lost[0].lostOn, QStringLiteral("a"));
        QCOMPARE(lost[0].wonOn, QStringLiteral("b"));
        QCOMPARE(syncing::useLostEdit(b.db(), lost[0].id), QString());
        QVERIFY(syncing::lostEdits(b.db()).empty());
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
        QVERIFY2(a.digest().contains(QStringLiteral("card q2|from a")), qPrintable(a.digest()));
        // The first machine keeps its entry until it forgets it there; once the card is gone,
        // the text cannot come back.
        const std::vector<syncing::LostEdit> kept = syncing::lostEdits(a.db());
        QCOMPARE(kept.size(), size_t(1));
        b.removeCard(QStringLiteral("S"), b.cardId(QStringLiteral("q2")));
        settle({&a, &b});
        QCOMPARE(syncing::useLostEdit(a.db(), kept[0].id),
                 QStringLiteral("The card is no longer here"));
        syncing::forgetLostEdit(a.db(), kept[0].id);
        QVERIFY(syncing::lostEdits(a.db()).empty());
        QCOMPARE(a.digest(), b.digest());
    }

    // A set's name that lost comes back too, unless another set has taken it meanwhile.
    void aLostSetNameComesBackUnlessTaken() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("S"));
        settle({&a, &b});
        a.renameSet(QStringLiteral("S"), QStringLiteral("Mine"));
        QTest::qWait(5);
        b.renameSet(QStringLiteral("S"), QStringLiteral("Theirs"));
        settle({&a, &b});
        std::vector<syncing::LostEdit> lost = syncing::lostEdits(a.db());
        QCOMPARE(lost.size(), size_t(1));
        QCOMPARE(lost[0].field + ' ' + lost[0].lost + ' ' + lost[0].about,
                 QStringLiteral("SetName Mine Theirs"));
        a.addSet(QStringLiteral("mine"));
        QCOMPARE(syncing::useLostEdit(a.db(), lost[0].id),
                 QStringLiteral("Another set is named \"Mine\" now"));
        a.deleteSet(QStringLiteral("mine"));
        QCOMPARE(syncing::useLostEdit(a.db(), lost[0].id), QString());
        settle({&a, &b});
        QCOMPARE(b.column(QStringLiteral("SELECT SetName FROM Set1")),
                 QStringList{QStringLiteral("Mine")});
    }

    void aClockADayAheadDoesNotWinForEver() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("S"));
        a.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        settle({&a, &b});
        syncing::setClockShiftForTesting(24 * 3600 * 1000LL);
        a.editCard(a.cardId(QStringLiteral("q")), QStringLiteral("q"), QStringLiteral("ahead"));
        a.sync(folder_);
        syncing::setClockShiftForTesting(0);
        b.sync(folder_);
        // b has seen a's clock: its next change is later, whatever its own clock says.
        b.editCard(b.cardId(QStringLiteral("q")), QStringLiteral("q"), QStringLiteral("after"));
        settle({&a, &b});
        QVERIFY(a.digest().contains(QStringLiteral("card q|after")));
        QCOMPARE(a.digest(), b.digest());
    }

    void undoAndCleaningTravelButLaterRepliesSurvive() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("S"));
        const qint64 card =
            a.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        a.reply(card, true, QStringLiteral("kept"));
        const qint64 undone = a.reply(card, false, QStringLiteral("undone"));
        settle({&a, &b});
        QCOMPARE(b.column(QStringLiteral("SELECT JudgedBy FROM Log ORDER BY RecID")),
                 (QStringList{QStringLiteral("kept"), QStringLiteral("undone")}));
        a.undo(undone);
        settle({&a, &b});
        QCOMPARE(b.column(QStringLiteral("SELECT JudgedBy FROM Log")),
                 QStringList{QStringLiteral("kept")});
        QCOMPARE(a.digest(), b.digest());
        // b cleans its log; a's reply made after it, not yet seen by b, survives.
        b.cleanLog();
        b.sync(folder_);
        QTest::qWait(5);
        a.reply(card, false, QStringLiteral("later"));
        settle({&a, &b});
        for (Machine* m : {&a, &b})
            QCOMPARE(m->column(QStringLiteral("SELECT JudgedBy FROM Log")),
                     QStringList{QStringLiteral("later")});
        // The cleaning took rows from the log, not from the weights.
        QCOMPARE(a.digest(), b.digest());
        QCOMPARE(
            a.scalar(QStringLiteral("SELECT Correct || '/' || Incorrect FROM Card")).toString(),
            QStringLiteral("1.0/1.0"));
    }

    void deletionStandsUnlessEditedAfterIt() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("Gone"));
        a.addSet(QStringLiteral("Back"));
        a.addCard(QStringLiteral("Gone"), QStringLiteral("g"), QStringLiteral("1"));
        a.addCard(QStringLiteral("Back"), QStringLiteral("b"), QStringLiteral("2"));
        settle({&a, &b});
        // b edits a card before a deletes it; a's deletion is later, so it stands.
        b.editCard(b.cardId(QStringLiteral("g")), QStringLiteral("g"), QStringLiteral("edited"));
        b.sync(folder_);
        QTest::qWait(5);
        a.deleteSet(QStringLiteral("Gone"));
        // a deletes a set; b renames it afterwards: the set comes back, with its card.
        a.deleteSet(QStringLiteral("Back"));
        a.sync(folder_);
        QTest::qWait(5);
        b.renameSet(QStringLiteral("Back"), QStringLiteral("Back again"));
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
        QCOMPARE(a.column(QStringLiteral("SELECT SetName FROM Set1")),
                 QStringList{QStringLiteral("Back again")});
        QCOMPARE(a.column(QStringLiteral("SELECT Question FROM Card")),
                 QStringList{QStringLiteral("b")});
    }

    // Whether a card comes back hangs on the sets it left last among the living ones: when
    // the set it left last goes, on either machine, both come to the same.
    void aCardComesBackAlikeWhenTheSetItLeftLastGoes() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("One"));
        a.addSet(QStringLiteral("Two"));
        a.addCard(QStringLiteral("One"), QStringLiteral("q"), QStringLiteral("a"));
        a.tie(QStringLiteral("Two"), a.cardId(QStringLiteral("q")));
        a.addCard(QStringLiteral("Two"), QStringLiteral("r"), QStringLiteral("b"));
        settle({&a, &b});
        a.removeCard(QStringLiteral("One"), a.cardId(QStringLiteral("q")));
        a.sync(folder_);
        QTest::qWait(5);
        b.sync(folder_);
        b.editCard(b.cardId(QStringLiteral("q")), QStringLiteral("q"), QStringLiteral("edited"));
        b.sync(folder_);
        QTest::qWait(5);
        a.sync(folder_);
        a.removeCard(QStringLiteral("Two"), a.cardId(QStringLiteral("q")));
        a.sync(folder_);
        QTest::qWait(5);
        b.sync(folder_);
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Card WHERE Question = 'q'")).toInt(),
                 0);
        b.deleteSet(QStringLiteral("Two"));
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
    }

    // Two machines rename two sets to one name; a third learns of the later rename first.
    // The earlier keeps the name there too, and the later gets a number, not the same name.
    void aLateEarlierRenameTakesItsNameBackWithoutDoubling() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        Machine c(dir_.path(), QStringLiteral("c"));
        a.addSet(QStringLiteral("P"));
        a.addSet(QStringLiteral("Q"));
        settle({&a, &b, &c});
        a.renameSet(QStringLiteral("P"), QStringLiteral("N"));
        QTest::qWait(5);
        b.renameSet(QStringLiteral("Q"), QStringLiteral("N"));
        b.sync(folder_);
        c.sync(folder_);
        a.sync(folder_);
        c.sync(folder_); // the earlier rename arrives where the later one holds the name
        QCOMPARE(c.column(QStringLiteral("SELECT SetName FROM Set1 ORDER BY SetName")),
                 (QStringList{QStringLiteral("N"), QStringLiteral("N 2")}));
        settle({&a, &b, &c});
        for (const Machine* m : {&a, &b, &c})
            QCOMPARE(m->column(QStringLiteral("SELECT SetName FROM Set1 ORDER BY SetName")),
                     (QStringList{QStringLiteral("N"), QStringLiteral("N 2")}));
        QCOMPARE(a.digest(), c.digest());
    }

    void aCardTakenOutOfItsLastSetComesBackWhenEditedLater() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("S"));
        a.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        a.addCard(QStringLiteral("S"), QStringLiteral("r"), QStringLiteral("b"));
        settle({&a, &b});
        a.removeCard(QStringLiteral("S"), a.cardId(QStringLiteral("q")));
        a.removeCard(QStringLiteral("S"), a.cardId(QStringLiteral("r")));
        a.sync(folder_);
        QTest::qWait(5);
        b.editCard(b.cardId(QStringLiteral("q")), QStringLiteral("q"), QStringLiteral("kept"));
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
        QCOMPARE(a.column(QStringLiteral("SELECT Question || Answer FROM Card")),
                 QStringList{QStringLiteral("qkept")});
        // Taken out again where it came back, it goes everywhere.
        a.removeCard(QStringLiteral("S"), a.cardId(QStringLiteral("q")));
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Card")).toInt(), 0);
    }

    void setsMadeUnderOneNameAreOneAndRenamesGetANumber() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("Animals"));
        a.addCard(QStringLiteral("Animals"), QStringLiteral("cat"), QStringLiteral("Katze"));
        b.addSet(QStringLiteral("animals"));
        b.addCard(QStringLiteral("animals"), QStringLiteral("dog"), QStringLiteral("Hund"));
        a.addSet(QStringLiteral("Red"));
        b.addSet(QStringLiteral("Blue"));
        settle({&a, &b});
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt(), 3);
        QCOMPARE(a.digest(), b.digest());
        // Both rename a different set to one name: the later one gets " 2".
        a.renameSet(QStringLiteral("Red"), QStringLiteral("Colour"));
        a.sync(folder_);
        QTest::qWait(5);
        b.renameSet(QStringLiteral("Blue"), QStringLiteral("Colour"));
        b.sync(folder_);
        const syncing::SyncSummary s = a.sync(folder_);
        QCOMPARE(s.renamed, 1);
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
        QCOMPARE(a.column(QStringLiteral("SELECT SetName FROM Set1 WHERE SetName LIKE 'Colour%' "
                                         "ORDER BY SetName")),
                 (QStringList{QStringLiteral("Colour"), QStringLiteral("Colour 2")}));
        // The number is each machine's own view, not a change: nothing more to send, even
        // when the numbered set changes otherwise.
        QCOMPARE(a.sync(folder_).sent, 0);
        b.exec(QStringLiteral("UPDATE Set1 SET IncludeInDeamons = 0 WHERE SetName = 'Colour 2'"));
        settle({&a, &b});
        // Once the name is free, the numbered set takes it back, on both machines.
        a.deleteSet(QStringLiteral("Colour"));
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
        QCOMPARE(b.column(QStringLiteral("SELECT SetName || ' ' || IncludeInDeamons FROM Set1 "
                                         "WHERE SetName LIKE 'Colour%'")),
                 QStringList{QStringLiteral("Colour 0")});
    }

    // A card tied, on a third machine, to a set this machine has not heard of yet waits for
    // the set; when the set comes and is joined with this machine's own set of that name, the
    // card comes into it.
    void aCardThatWaitedForItsSetComesWhenTheSetIsJoined() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        Machine c(dir_.path(), QStringLiteral("c"));
        a.addSet(QStringLiteral("Words"));
        a.sync(folder_);
        c.sync(folder_);
        c.addCard(QStringLiteral("Words"), QStringLiteral("tree"), QStringLiteral("Baum"));
        c.sync(folder_);
        QTest::qWait(5);
        b.addSet(QStringLiteral("Words")); // made later: the first machine's set stands for both
        // The second machine's folder gets the third one's files before the first one's.
        const QString late = dir_.filePath(QStringLiteral("late-arrivals"));
        const auto deliver = [&](const Machine& from) {
            const QString source = ownFolder(from);
            const QString target = QDir(syncing::syncRoot(late)).filePath(QDir(source).dirName());
            QDir().mkpath(target);
            for (const QString& name : QDir(source).entryList(QDir::Files))
                QFile::copy(QDir(source).filePath(name), QDir(target).filePath(name));
        };
        deliver(c);
        QVERIFY(b.sync(late).error.isEmpty());
        QVERIFY(!b.digest().contains(QStringLiteral("card tree")));
        deliver(a);
        const syncing::SyncSummary joined = b.sync(late);
        QVERIFY2(joined.error.isEmpty(), qPrintable(joined.error));
        QCOMPARE(joined.joinedSets, 1);
        QCOMPARE(b.column(QStringLiteral("SELECT c.Question FROM Card c JOIN Set_Card_rel r ON "
                                         "r.Card_ID = c.Card_ID JOIN Set1 s ON s.Set_ID = "
                                         "r.Set_ID WHERE s.SetName = 'Words'")),
                 QStringList{QStringLiteral("tree")});
    }

    void badFilesAreSkippedAndReadOnceWhole_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("seq"); // the damaged file
        QTest::newRow("cut") << "cut" << 1;
        QTest::newRow("changed") << "changed" << 1;
        QTest::newRow("newer schema") << "newer" << 1;
        QTest::newRow("missing before a later one") << "gap" << 1;
        // Whole, but a change of no known kind: read together with the good one before it,
        // which stays applied.
        QTest::newRow("not fitting after a good one") << "unfit" << 2;
    }
    void badFilesAreSkippedAndReadOnceWhole() {
        QFETCH(QString, damage);
        QFETCH(int, seq);
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.sync(folder_);
        b.sync(folder_);
        a.addSet(QStringLiteral("One"));
        a.sync(folder_);
        a.addSet(QStringLiteral("Two"));
        a.sync(folder_);
        // File 1 holds "One", file 2 "Two": the first damaged holds up the second.
        const QString file = QDir(ownFolder(a)).filePath(syncing::changeFileName(seq));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray whole = f.readAll();
        f.close();
        QByteArray bad = whole;
        if (damage == QLatin1String("cut"))
            bad.chop(10);
        else if (damage == QLatin1String("changed"))
            bad[bad.indexOf("One")] = 'X';
        else if (damage == QLatin1String("newer"))
            bad = syncing::encodeChanges(
                {syncing::kChangeFormat, 99, a.scalar("SELECT Id FROM SyncReplica").toString(), 1},
                {});
        else if (damage == QLatin1String("unfit"))
            bad = syncing::encodeChanges({syncing::kChangeFormat, data::kSchemaVersion,
                                          a.scalar("SELECT Id FROM SyncReplica").toString(), 2},
                                         {{{QStringLiteral("Z"), QStringLiteral("x")}}});
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (damage == QLatin1String("gap"))
            f.remove();
        else
            f.write(bad);
        f.close();
        const syncing::SyncSummary s = b.sync(folder_);
        QCOMPARE(s.skipped, 1);
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt(), seq - 1);
        if (damage == QLatin1String("newer"))
            QVERIFY(s.notes.join(' ').contains(QStringLiteral("update Memorant")));
        if (damage == QLatin1String("cut")) {
            // A file may still be arriving: nothing said until it has stayed unreadable for days.
            QVERIFY(s.notes.isEmpty());
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-4),
                                  QFileDevice::FileModificationTime));
            f.close();
            const QString said = b.sync(folder_).notes.join(' ');
            QVERIFY2(said.contains(QStringLiteral("unreadable for 3 days")), qPrintable(said));
        }
        QVERIFY(syncing::writeWhole(ownFolder(a), syncing::changeFileName(seq), whole).isEmpty());
        const syncing::SyncSummary again = b.sync(folder_);
        QCOMPARE(again.skipped, 0);
        QCOMPARE(b.digest(), a.digest());
    }

    // A folder that cannot take the changes (read-only, full, or not a folder at all, which
    // root cannot write past either): the sync says so, the changes wait in the database and
    // go out at the next sync.
    void aFolderThatTakesNothingLosesNothing() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.sync(folder_);
        b.sync(folder_);
        a.addSet(QStringLiteral("Kept"));
        const QString own = ownFolder(a);
        QVERIFY(QDir().rename(own, own + QStringLiteral("-away")));
        QFile blocker(own);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const syncing::SyncSummary failed = a.sync(folder_);
        QVERIFY(!failed.error.isEmpty());
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM SyncPending")).toInt(), 1);
        QVERIFY(QFile::remove(own));
        QVERIFY(QDir().rename(own + QStringLiteral("-away"), own));
        QVERIFY(a.sync(folder_).error.isEmpty());
        b.sync(folder_);
        QCOMPARE(b.digest(), a.digest());
        QCOMPARE(b.column(QStringLiteral("SELECT SetName FROM Set1")),
                 QStringList{QStringLiteral("Kept")});
    }

    // A database copied to a second machine (or a backup brought back) takes a new id at its
    // first sync that finds the original's later files, and misses none of them.
    void aCopiedDatabaseTakesANewId() {
        Machine a(dir_.path(), QStringLiteral("a"));
        a.addSet(QStringLiteral("S"));
        a.sync(folder_);
        a.close();
        const QString copyPath = dir_.filePath(QStringLiteral("copy.mdb"));
        QFile::remove(copyPath);
        QVERIFY(QFile::copy(a.path(), copyPath));
        a.reopen();
        a.addSet(QStringLiteral("Later"));
        a.sync(folder_);
        Machine c(dir_.path(), QStringLiteral("c"));
        c.close();
        QFile::remove(c.path());
        QVERIFY(QFile::copy(copyPath, c.path()));
        c.reopen();
        const QString before = c.scalar(QStringLiteral("SELECT Id FROM SyncReplica")).toString();
        c.addSet(QStringLiteral("Copy"));
        const syncing::SyncSummary s = c.sync(folder_);
        QVERIFY(s.error.isEmpty());
        QVERIFY(s.notes.join(' ').contains(QStringLiteral("copied")));
        QVERIFY(c.scalar(QStringLiteral("SELECT Id FROM SyncReplica")).toString() != before);
        settle({&a, &c});
        QCOMPARE(a.digest(), c.digest());
        QCOMPARE(
            a.column(QStringLiteral("SELECT SetName FROM Set1 ORDER BY SetName")),
            (QStringList{QStringLiteral("Copy"), QStringLiteral("Later"), QStringLiteral("S")}));
    }

    // Capture costs a reply one small row, and lesson state is not noted at all.
    void lessonStateIsNotNoted() {
        Machine a(dir_.path(), QStringLiteral("a"));
        a.addSet(QStringLiteral("S"));
        const qint64 card =
            a.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        a.sync(folder_);
        a.exec(
            QStringLiteral("UPDATE Card SET \"Order\" = 7, CurStatus = 1, AcStatus = 1, GoNo = 1, "
                           "Demons = 1, Active = 0 WHERE Card_ID = ?"),
            {card});
        a.exec(QStringLiteral("UPDATE Fields1 SET Zad = 3, DemonsNum = 5"));
        a.exec(QStringLiteral("INSERT INTO CardReverse (Card_ID, \"Order\", Demons) VALUES (?, 3, "
                              "1)"),
               {card});
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM SyncOutbox")).toInt(), 0);
        a.reply(card, true);
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM SyncOutbox")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSync)
#include "test_sync.moc"
