// SPDX-License-Identifier: GPL-3.0-or-later
// Cards asked either way, across machines: a set's direction travels as a field of its own, a
// reply's direction with the reply, and the weights a card has when asked answer first are
// worked out from the reverse replies alone, leaving the other weights as they were. Changes
// from a machine whose program knew no directions still apply.
#include "Machine.h"
#include "data/Database.h"
#include "sync/ChangeFile.h"
#include "sync/SyncFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testing::Machine;

namespace {

// A card's weights when asked answer first, "none" without a row.
QString reverseOf(const Machine& m, const QString& question) {
    const QVariant v = m.scalar(
        QStringLiteral("SELECT r.Rating || '|' || r.Correct || '|' || r.Incorrect FROM CardReverse "
                       "r JOIN Card c USING (Card_ID) WHERE c.Question = ?"),
        {question});
    return v.isValid() ? v.toString() : QStringLiteral("none");
}

QString forwardOf(const Machine& m, const QString& question) {
    return m
        .scalar(QStringLiteral("SELECT coalesce(Rating, '-') || '|' || coalesce(Correct, '-') || "
                               "'|' || coalesce(Incorrect, '-') FROM Card WHERE Question = ?"),
                {question})
        .toString();
}

// Rewrites a machine's change file as a program that knew no directions would have written
// it: set changes without the direction, cards without reverse weights, replies without their
// direction, under the schema before.
void writeAsOlderProgram(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    syncing::ReadChanges read = syncing::decodeChanges(f.readAll(), data::kSchemaVersion);
    f.close();
    QCOMPARE(read.status, syncing::ReadStatus::Ok);
    for (syncing::ChangeEvent& e : read.events) {
        const QString kind = e.kind();
        const int older = kind == QLatin1String("S")   ? 9
                          : kind == QLatin1String("C") ? 15
                          : kind == QLatin1String("L") ? 8
                                                       : static_cast<int>(e.fields.size());
        e.fields = e.fields.mid(0, older);
    }
    read.header.schema = data::kSchemaVersion - 1;
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(syncing::encodeChanges(read.header, read.events));
}

} // namespace

class TestSyncDirections : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString folder_;

    void settle(std::initializer_list<Machine*> machines) {
        testing::settle(folder_, machines, [](const syncing::SyncSummary& s) {
            QVERIFY2(s.skipped == 0, qPrintable(s.line()));
        });
    }

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

    // Reverse replies reach the other machine with their direction and move only the reverse
    // weights; forward replies move only the forward ones; taking a reverse reply back undoes
    // it everywhere.
    void reverseRepliesTravelApartFromForwardOnes() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("S"));
        const qint64 card =
            a.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        a.addCard(QStringLiteral("S"), QStringLiteral("never"), QStringLiteral("x"));
        a.reply(card, true);
        settle({&a, &b});
        const QString forward = forwardOf(b, QStringLiteral("q"));
        QCOMPARE(reverseOf(b, QStringLiteral("q")), QStringLiteral("none"));

        a.replyReverse(card, false, QStringLiteral("r1"));
        const qint64 second = a.replyReverse(card, true, QStringLiteral("r2"));
        settle({&a, &b});
        QCOMPARE(b.column(QStringLiteral("SELECT coalesce(Direction, 'forward') FROM Log ORDER BY "
                                         "RecID")),
                 (QStringList{QStringLiteral("forward"), QStringLiteral("reverse"),
                              QStringLiteral("reverse")}));
        QCOMPARE(reverseOf(b, QStringLiteral("q")), reverseOf(a, QStringLiteral("q")));
        QVERIFY(reverseOf(b, QStringLiteral("q")) != QStringLiteral("none"));
        QCOMPARE(forwardOf(b, QStringLiteral("q")), forward);
        QCOMPARE(forwardOf(a, QStringLiteral("q")), forward);
        QCOMPARE(reverseOf(b, QStringLiteral("never")), QStringLiteral("none"));

        // b answers it forward: a's reverse weights stay, its forward ones follow.
        const QString reverse = reverseOf(a, QStringLiteral("q"));
        b.reply(b.cardId(QStringLiteral("q")), false);
        settle({&a, &b});
        QCOMPARE(reverseOf(a, QStringLiteral("q")), reverse);
        QVERIFY(forwardOf(a, QStringLiteral("q")) != forward);
        QCOMPARE(a.digest(), b.digest());

        // The second reverse reply taken back on a: its row and weight go on b too.
        a.undo(second);
        settle({&a, &b});
        QCOMPARE(b.column(QStringLiteral("SELECT JudgedBy FROM Log WHERE Direction = 'reverse'")),
                 QStringList{QStringLiteral("r1")});
        QCOMPARE(reverseOf(b, QStringLiteral("q")), reverseOf(a, QStringLiteral("q")));
        QVERIFY(reverseOf(b, QStringLiteral("q")) != reverse);
        QCOMPARE(a.digest(), b.digest());
    }

    // Reverse weights a machine had before it first synced are part of the card's base: a
    // machine joining gets them, replies after them count on top, and a reply counted in the
    // base and taken back later is taken out on both.
    void reverseWeightsTravelWithTheCardsBase() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("S"));
        const qint64 card =
            a.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        a.replyReverse(card, true);
        const qint64 counted = a.replyReverse(card, false);
        a.turnSet(QStringLiteral("S"), 2);
        settle({&a, &b});
        QCOMPARE(b.scalar(QStringLiteral("SELECT Direction FROM Set1")).toInt(), 2);
        QCOMPARE(reverseOf(b, QStringLiteral("q")), reverseOf(a, QStringLiteral("q")));
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Log WHERE Direction = 'reverse'"))
                     .toInt(),
                 2);
        // Taken back on a, the reply counted in the base leaves it on both.
        a.undo(counted);
        const QString restored = reverseOf(a, QStringLiteral("q"));
        settle({&a, &b});
        QCOMPARE(reverseOf(a, QStringLiteral("q")), restored);
        QCOMPARE(reverseOf(b, QStringLiteral("q")), restored);
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Log WHERE Direction = 'reverse'"))
                     .toInt(),
                 1);
        // A reverse reply after the new base counts on top of it.
        b.replyReverse(b.cardId(QStringLiteral("q")), true);
        settle({&a, &b});
        QCOMPARE(reverseOf(a, QStringLiteral("q")), reverseOf(b, QStringLiteral("q")));
        QVERIFY(reverseOf(a, QStringLiteral("q")) != restored);
        QCOMPARE(a.digest(), b.digest());
    }

    // A set's direction is a field of its own: of two changes the later wins, and a rename
    // made after a change elsewhere leaves it alone, also for a set shared before directions
    // travelled, whose shadow knows none.
    void theLaterDirectionWins_data() {
        QTest::addColumn<bool>("sharedBefore");
        QTest::newRow("set shared with its direction") << false;
        QTest::newRow("set shared before directions travelled") << true;
    }
    void theLaterDirectionWins() {
        QFETCH(bool, sharedBefore);
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("Both"));
        a.addSet(QStringLiteral("Renamed"));
        settle({&a, &b});
        if (sharedBefore)
            for (Machine* m : {&a, &b})
                m->exec(QStringLiteral("UPDATE SyncSet SET Direction = NULL, DirectionAt = ''"));
        a.turnSet(QStringLiteral("Both"), 1);
        b.turnSet(QStringLiteral("Renamed"), 1);
        QTest::qWait(5);
        b.turnSet(QStringLiteral("Both"), 2);
        a.renameSet(QStringLiteral("Renamed"), QStringLiteral("Later"));
        settle({&a, &b});
        for (Machine* m : {&a, &b})
            QCOMPARE(m->column(QStringLiteral(
                         "SELECT SetName || ' ' || Direction FROM Set1 ORDER BY SetName")),
                     (QStringList{QStringLiteral("Both 2"), QStringLiteral("Later 1")}));
        // Turned back to question first, it stays so on both.
        a.turnSet(QStringLiteral("Both"), 0);
        settle({&a, &b});
        QCOMPARE(
            b.scalar(QStringLiteral("SELECT Direction FROM Set1 WHERE SetName = 'Both'")).toInt(),
            0);
        QCOMPARE(a.digest(), b.digest());
        // A direction is not a text to bring back: no lost edit is kept.
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM SyncConflict")).toInt(), 0);
    }

    // A machine that has not updated yet sends changes of the older lengths: its rename leaves
    // the set's direction as it is, its card comes without reverse weights and its reply is
    // read as asked question first.
    void changesOfAnOlderProgramStillApply() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        b.addSet(QStringLiteral("S"));
        b.turnSet(QStringLiteral("S"), 1);
        settle({&a, &b});
        a.renameSet(QStringLiteral("S"), QStringLiteral("T"));
        const qint64 card =
            a.addCard(QStringLiteral("T"), QStringLiteral("old"), QStringLiteral("a"));
        a.reply(card, true);
        a.sync(folder_);
        const QString file =
            QDir(ownFolder(a))
                .filePath(syncing::changeFileName(
                    a.scalar(QStringLiteral("SELECT NextSeq - 1 FROM SyncReplica")).toLongLong()));
        writeAsOlderProgram(file);
        const syncing::SyncSummary s = b.sync(folder_);
        QCOMPARE(s.skipped, 0);
        QCOMPARE(b.column(QStringLiteral("SELECT SetName || ' ' || Direction FROM Set1")),
                 QStringList{QStringLiteral("T 1")});
        QCOMPARE(b.column(QStringLiteral("SELECT coalesce(Direction, 'forward') FROM Log")),
                 QStringList{QStringLiteral("forward")});
        QCOMPARE(reverseOf(b, QStringLiteral("old")), QStringLiteral("none"));
        QCOMPARE(forwardOf(b, QStringLiteral("old")), forwardOf(a, QStringLiteral("old")));
        settle({&a, &b});
        QCOMPARE(a.digest(), b.digest());
    }

    // A direction no program writes, of a reply or a set, is a change that does not fit: the
    // file waits, nothing of it is applied.
    void anUnknownDirectionIsRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("a reply asked sideways") << "L" << 8 << "sideways";
        QTest::newRow("a set turned a fourth way") << "S" << 9 << "3";
        QTest::newRow("a set turned without a stamp") << "S" << 10 << "";
    }
    void anUnknownDirectionIsRefused() {
        QFETCH(QString, kind);
        QFETCH(int, field);
        QFETCH(QString, value);
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("S"));
        const qint64 card =
            a.addCard(QStringLiteral("S"), QStringLiteral("q"), QStringLiteral("a"));
        a.replyReverse(card, true);
        a.sync(folder_);
        const QString file = QDir(ownFolder(a)).filePath(syncing::changeFileName(1));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        syncing::ReadChanges read = syncing::decodeChanges(f.readAll(), data::kSchemaVersion);
        f.close();
        for (syncing::ChangeEvent& e : read.events)
            if (e.kind() == kind)
                e.fields[field] = value;
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(syncing::encodeChanges(read.header, read.events));
        f.close();
        const syncing::SyncSummary s = b.sync(folder_);
        QCOMPARE(s.skipped, 1);
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Set1")).toInt(), 0);
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Log")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSyncDirections)
#include "test_sync_directions.moc"
