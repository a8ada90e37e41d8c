// SPDX-License-Identifier: GPL-3.0-or-later
// Change files every machine has read are folded into a snapshot: the compaction keeps what
// applying every change would give, a machine that joins late or had read only part of the
// folded files gets everything, a part that is missing or damaged is waited for, a forgotten
// machine no longer holds the folding back, and the folder stays within twice the size of an
// exchange export of the same collection.
#include "Machine.h"
#include "data/Sql.h"
#include "exchange/Export.h"
#include "sync/Compaction.h"
#include "sync/Fold.h"
#include "sync/Snapshot.h"
#include "sync/SyncFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testing::Machine;

namespace {

// Events written as "C|$1|q|t1|..." : fields split at "|", "~" for a null field, "$n" for
// the n-th of a few ids.
std::vector<syncing::ChangeEvent> events(const QStringList& lines) {
    std::vector<syncing::ChangeEvent> out;
    for (const QString& line : lines) {
        syncing::ChangeEvent e;
        for (QString field : line.split(QLatin1Char('|'))) {
            if (field == QLatin1String("~"))
                field = QString();
            else if (field.startsWith(QLatin1Char('$')))
                field = QString(32, field.at(1));
            else if (field.isEmpty())
                field = QStringLiteral("");
            e.fields << field;
        }
        out.push_back(e);
    }
    return out;
}

QStringList lines(const std::vector<syncing::ChangeEvent>& events) {
    QStringList out;
    for (const syncing::ChangeEvent& e : events) {
        QStringList fields;
        for (const QString& f : e.fields)
            fields << (f.isNull() ? QStringLiteral("~") : f);
        out << fields.join(QLatin1Char('|'));
    }
    return out;
}

qint64 folderBytes(const QString& folder) {
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

} // namespace

class TestSyncSnapshot : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString folder_;

    void settle(std::initializer_list<Machine*> machines) {
        testing::settle(folder_, machines, [](const syncing::SyncSummary& s) {
            QVERIFY2(s.notes.isEmpty(), qPrintable(s.notes.join('\n')));
        });
    }

    QString ownFolder(const Machine& m) const {
        return QDir(syncing::syncRoot(folder_))
            .filePath(m.scalar(QStringLiteral("SELECT Id FROM SyncReplica")).toString());
    }

    qint64 readSeq(const Machine& reader, const Machine& writer) const {
        return reader
            .scalar(QStringLiteral("SELECT ReadSeq FROM SyncPeer WHERE Replica = ?"),
                    {writer.scalar(QStringLiteral("SELECT Id FROM SyncReplica"))})
            .toLongLong();
    }

    // A few rounds of what a learner does on each machine, every one syncing after it.
    void learnAndSync(std::initializer_list<Machine*> machines, int rounds, const QString& tag) {
        for (int round = 0; round < rounds; ++round) {
            for (Machine* m : machines) {
                const QString set = m->name() + tag;
                if (m->setId(set) == 0)
                    m->addSet(set);
                const qint64 card = m->addCard(set, QStringLiteral("%1 q%2").arg(set).arg(round),
                                               QStringLiteral("a"));
                m->editCard(card, QStringLiteral("%1 e%2").arg(set).arg(round),
                            QStringLiteral("b"));
                for (const QString& id : m->column(QStringLiteral("SELECT Card_ID FROM Card")))
                    m->reply(id.toLongLong(), (round + id.toInt()) % 3 != 0);
                // Some asked the other way round, and the set turned now and then.
                for (const QString& id :
                     m->column(QStringLiteral("SELECT Card_ID FROM Card WHERE Card_ID % 2 = ?"),
                               {round % 2}))
                    m->replyReverse(id.toLongLong(), (round + id.toInt()) % 4 != 0);
                m->turnSet(set, round % 3);
                m->undo(m->replyReverse(card, false));
                m->undo(m->reply(card, true));
                const syncing::SyncSummary s = m->sync(folder_);
                QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
            }
        }
    }

  private slots:
    void initTestCase() { syncing::setFlushForTesting(false); }
    void init() {
        folder_ = dir_.filePath(QStringLiteral("shared-%1-%2")
                                    .arg(QTest::currentTestFunction(),
                                         QString(QTest::currentDataTag()).replace(' ', '-')));
        QDir().mkpath(folder_);
        syncing::setFoldThresholdForTesting(2);
        syncing::setSnapshotPartLengthForTesting(600);
    }
    void cleanup() {
        syncing::setFoldThresholdForTesting(0);
        syncing::setSnapshotPartLengthForTesting(0);
    }

    void compactionKeepsWhatApplyingAllGives_data() {
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("folded");
        // C gid question qAt answer aAt options oAt answers lAt rating correct incorrect baseAt
        // joinKey rRating rCorrect rIncorrect; S gid createdName createdAt name nameAt flag
        // flagAt deletedAt direction directionAt; L gid card date set result judgedBy at
        // direction. A program that knew no directions wrote them without the last fields.
        QTest::newRow("a card's fields, each its latest")
            << QStringList{"C|$1|q1|t1|a1|t1|~||~||~|~|~||k1|~|~|~",
                           "C|$1|~||a2|t2|~||~||~|~|~||~|~|~|~",
                           "C|$1|~||~||o|t3|~||5|1|0|t3|k2|0.5|1|1"}
            << QStringList{"C|$1|q1|t1|a2|t2|o|t3|~||5|1|0|t3|k1|0.5|1|1|~||~|"};
        const QString pic(64, 'a'), sound(64, 'b');
        QTest::newRow("a card's picture and sound, each its latest")
            << QStringList{"C|$1|q|t1|~||~||~||~|~|~||k|~|~|~|" + pic + "|t1|" + sound + "|t1",
                           "C|$1|~||~||~||~||~|~|~||~|~|~|~|~|t2|~|"}
            << QStringList{"C|$1|q|t1|~||~||~||~|~|~||k|~|~|~|~|t2|" + sound + "|t1"};
        QTest::newRow("a card's base of the older length has no reverse weights")
            << QStringList{"C|$1|q|t1|~||~||~||5|1|0|t1|k|0.5|1|1", "C|$1|~||~||~||~||4|1|1|t2|~"}
            << QStringList{"C|$1|q|t1|~||~||~||4|1|1|t2|k|~|~|~|~||~|"};
        QTest::newRow("a set's name, flag, direction and deletion")
            << QStringList{"S|$1|A|t0|A|t0|~|||~|", "S|$1|A|t0|B|t2|~|||2|t4",
                           "S|$1|A|t0|~||1|t1|t3|~|", "S|$1|A|t0|~||~||t2|1|t1"}
            << QStringList{"S|$1|A|t0|B|t2|1|t1|t3|2|t4"};
        QTest::newRow("a set change of the older length leaves the direction")
            << QStringList{"S|$1|A|t0|A|t0|~|||1|t1", "S|$1|A|t0|B|t2|~||"}
            << QStringList{"S|$1|A|t0|B|t2|~|||1|t1"};
        QTest::newRow("a tie added, taken out, added again")
            << QStringList{"M|$1|$2|t1|", "M|$1|$2||t2", "M|$1|$2|t3|"}
            << QStringList{"M|$1|$2|t3|t2"};
        QTest::newRow("a thing at its first place")
            << QStringList{"C|$2|q|t1|a|t1|~||~||~|~|~||~|~|~|~", "M|$1|$2|t1|",
                           "C|$2|r|t2|~||~||~||~|~|~||~|~|~|~"}
            << QStringList{"C|$2|r|t2|a|t1|~||~||~|~|~||~|~|~|~|~||~|", "M|$1|$2|t1|"};
        QTest::newRow("a reply taken back is dropped, the taking back kept")
            << QStringList{"L|$3|$2|2026-01-01|S|Correct|~|t1",
                           "L|$4|$2|2026-01-01|S|Wrong|~|t2|",
                           "L|$5|$2|2026-01-01|S|Wrong|~|t3|reverse",
                           "L|$6|$2|2026-01-01|S|Wrong|~|t4|reverse",
                           "U|$3",
                           "U|$5"}
            << QStringList{"L|$4|$2|2026-01-01|S|Wrong|~|t2|",
                           "L|$6|$2|2026-01-01|S|Wrong|~|t4|reverse", "U|$3", "U|$5"};
        QTest::newRow("replies, takings back and cleanings once")
            << QStringList{"L|$3|$2|2026-01-01|S|Correct|~|t1",
                           "X|t5|$1|t4",
                           "U|$5",
                           "L|$3|$2|2026-01-01|S|Correct|~|t1",
                           "X|t5|$1|t4",
                           "U|$5",
                           "X|t6|$1|t6"}
            << QStringList{"L|$3|$2|2026-01-01|S|Correct|~|t1", "X|t5|$1|t4", "U|$5", "X|t6|$1|t6"};
        QTest::newRow("changes that do not fit, as they are")
            << QStringList{"C|$1|short", "S|$1|A||A|t0|~||",     "C|$1|short",
                           "Q|$1",       "S|$1|A|t0|A|t0|~|||1", "L|$3|$2|d|S|Wrong|~|t1|reverse|x"}
            << QStringList{"C|$1|short",           "S|$1|A||A|t0|~||",
                           "C|$1|short",           "Q|$1",
                           "S|$1|A|t0|A|t0|~|||1", "L|$3|$2|d|S|Wrong|~|t1|reverse|x"};
    }
    void compactionKeepsWhatApplyingAllGives() {
        QFETCH(QStringList, written);
        QFETCH(QStringList, folded);
        QCOMPARE(lines(syncing::compactChanges(events(written))).join('\n'),
                 lines(events(folded)).join('\n'));
    }

    // Both machines read everything, so both fold; a machine that joins then gets it all from
    // the snapshots and the files after them.
    void aMachineJoiningAfterFoldingGetsEverything() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        learnAndSync({&a, &b}, 8, QStringLiteral(" first"));
        settle({&a, &b});
        learnAndSync({&a}, 1, QStringLiteral(" late")); // files not folded yet
        for (const Machine* m : {&a, &b}) {
            const qint64 covered = syncing::snapshotCoverage(ownFolder(*m));
            QVERIFY2(covered > 2, qPrintable(m->name()));
            const QMap<qint64, QString> left = syncing::changeFiles(ownFolder(*m));
            QVERIFY(left.isEmpty() || left.firstKey() > covered);
            const QStringList parts =
                QDir(ownFolder(*m)).entryList({QStringLiteral("snapshot-*")}, QDir::Files);
            QVERIFY2(parts.size() > 1, qPrintable(parts.join(' ')));
        }
        Machine c(dir_.path(), QStringLiteral("c"));
        const syncing::SyncSummary joined = c.sync(folder_);
        QVERIFY2(joined.error.isEmpty(), qPrintable(joined.error));
        QCOMPARE(joined.skipped, 0);
        settle({&a, &b, &c});
        QCOMPARE(c.digest(), a.digest());
        QCOMPARE(b.digest(), a.digest());
        QVERIFY(c.digest().contains(QStringLiteral("card b first e7|b")));
        // Reverse weights, replies asked so and turned sets came through the snapshots too.
        QVERIFY(c.scalar(QStringLiteral("SELECT COUNT(*) FROM CardReverse")).toInt() > 0);
        QVERIFY(c.scalar(QStringLiteral("SELECT COUNT(*) FROM Log WHERE Direction = 'reverse'"))
                    .toInt() > 0);
        QVERIFY(c.scalar(QStringLiteral("SELECT COUNT(*) FROM Set1 WHERE Direction <> 0")).toInt() >
                0);
    }

    // A machine that stays away holds the folding back until it is forgotten; when it comes
    // back, it had read only part of the folded files and goes on from the snapshot.
    void aForgottenMachineNoLongerHoldsTheFoldBack() {
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        Machine c(dir_.path(), QStringLiteral("c"));
        learnAndSync({&a, &b, &c}, 2, QStringLiteral(" s"));
        settle({&a, &b, &c});
        const qint64 readByC = readSeq(c, a);
        QVERIFY(readByC > 0);
        const qint64 coveredBefore = syncing::snapshotCoverage(ownFolder(a));
        learnAndSync({&a, &b}, 6, QStringLiteral(" t"));
        settle({&a, &b});
        QCOMPARE(syncing::snapshotCoverage(ownFolder(a)), coveredBefore);
        QVERIFY(QFile::exists(QDir(ownFolder(a)).filePath(syncing::changeFileName(readByC + 1))));
        // Unseen for long: forgotten, no longer listed, and a's files fold past it.
        a.exec(QStringLiteral("UPDATE SyncPeer SET LastChange = '2020-01-01T00:00:00Z', SeenAt = "
                              "'2020-01-01T00:00:00Z' WHERE Name = 'c'"));
        QCOMPARE(syncing::forgetMachine(a.db(), QStringLiteral("c")), QString());
        for (const syncing::MachineStatus& m : syncing::machines(a.db()))
            QVERIFY(m.name != QLatin1String("c"));
        settle({&a, &b});
        QVERIFY(syncing::snapshotCoverage(ownFolder(a)) > readByC);
        QVERIFY(!QFile::exists(QDir(ownFolder(a)).filePath(syncing::changeFileName(readByC + 1))));
        // Back again: it goes on from a's snapshot, and is known once more.
        const syncing::SyncSummary back = c.sync(folder_);
        QCOMPARE(back.skipped, 0);
        QVERIFY(readSeq(c, a) > readByC);
        QCOMPARE(c.digest(), a.digest());
        learnAndSync({&c}, 1, QStringLiteral(" u"));
        settle({&a, &b, &c});
        QCOMPARE(c.digest(), a.digest());
        QCOMPARE(b.digest(), a.digest());
        bool listed = false;
        for (const syncing::MachineStatus& m : syncing::machines(a.db()))
            listed = listed || m.name == QLatin1String("c");
        QVERIFY(listed);
    }

    // A part that has not arrived, or arrived cut or changed, is waited for: nothing of the
    // snapshot counts as read until every part is there, whole.
    void aPartMissingOrDamagedIsWaitedFor_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing") << "missing";
        QTest::newRow("cut") << "cut";
        QTest::newRow("changed") << "changed";
        QTest::newRow("manifest missing") << "manifest";
    }
    void aPartMissingOrDamagedIsWaitedFor() {
        QFETCH(QString, damage);
        Machine a(dir_.path(), QStringLiteral("a"));
        // Alone in the folder, it folds everything it wrote.
        learnAndSync({&a}, 4, QStringLiteral(" s"));
        const QString own = ownFolder(a);
        QVERIFY(syncing::snapshotCoverage(own) >= 4);
        QVERIFY(syncing::changeFiles(own).isEmpty());
        const QStringList parts =
            QDir(own).entryList({QStringLiteral("snapshot-*")}, QDir::Files, QDir::Name);
        QVERIFY(parts.size() > 2);
        const QString victim = QDir(own).filePath(
            damage == QLatin1String("manifest") ? syncing::snapshotManifestName() : parts[1]);
        QFile f(victim);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray whole = f.readAll();
        f.close();
        QVERIFY(QFile::remove(victim));
        if (damage == QLatin1String("cut") || damage == QLatin1String("changed")) {
            QByteArray bytes = whole.left(whole.size() - 1);
            if (damage == QLatin1String("changed"))
                bytes += char(whole.back() ^ 1);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
            f.close();
        }
        Machine b(dir_.path(), QStringLiteral("b"));
        const syncing::SyncSummary waiting = b.sync(folder_);
        QVERIFY(waiting.skipped > 0 || damage == QLatin1String("manifest"));
        QCOMPARE(readSeq(b, a), 0);
        QVERIFY(!b.digest().contains(QStringLiteral("card a s")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(whole);
        f.close();
        const syncing::SyncSummary whole2 = b.sync(folder_);
        QCOMPARE(whole2.skipped, 0);
        QCOMPARE(readSeq(b, a), syncing::snapshotCoverage(own));
        QCOMPARE(b.digest(), a.digest());
    }

    // Many weeks of two machines learning a few thousand cards, syncing after every lesson:
    // the folder holds about the snapshots and the files not folded yet, within twice what an
    // exchange export of the collection takes.
    void theFolderStaysWithinTwiceAnExport() {
        syncing::setFoldThresholdForTesting(0);
        syncing::setSnapshotPartLengthForTesting(0);
        Machine a(dir_.path(), QStringLiteral("a"));
        Machine b(dir_.path(), QStringLiteral("b"));
        {
            data::Transaction t(a.db());
            for (int s = 0; s < 4; ++s) {
                const QString set = QStringLiteral("Set %1").arg(s);
                a.addSet(set);
                for (int i = 0; i < 600; ++i)
                    a.addCard(set, QStringLiteral("question %1 of %2").arg(i).arg(set),
                              QStringLiteral("answer %1").arg(i));
            }
            t.commit();
        }
        settle({&a, &b});
        const QStringList cards = a.column(QStringLiteral("SELECT Card_ID FROM Card"));
        const QStringList cardsB = b.column(QStringLiteral("SELECT Card_ID FROM Card"));
        int next = 0;
        for (int lesson = 0; lesson < 120; ++lesson) {
            Machine& m = lesson % 2 == 0 ? a : b;
            const QStringList& ids = lesson % 2 == 0 ? cards : cardsB;
            for (int r = 0; r < 200; ++r, ++next)
                m.reply(ids[(next * 7) % ids.size()].toLongLong(), next % 4 != 0);
            m.editCard(ids[lesson].toLongLong(), QStringLiteral("edited %1").arg(lesson),
                       QStringLiteral("x"));
            QCOMPARE(m.sync(folder_).error, QString());
            QCOMPARE((lesson % 2 == 0 ? b : a).sync(folder_).error, QString());
        }
        settle({&a, &b});
        QCOMPARE(a.scalar(QStringLiteral("SELECT COUNT(*) FROM Log")).toInt(), next);
        QVERIFY(syncing::snapshotCoverage(ownFolder(a)) > 0);
        QVERIFY(syncing::snapshotCoverage(ownFolder(b)) > 0);
        const QString exported = dir_.filePath(QStringLiteral("export.txt"));
        const exchange::ExportOutcome outcome = exchange::Export(a.db()).run(exported);
        const qint64 exportBytes = QFileInfo(exported).size() +
                                   (outcome.companion ? QFileInfo(exported + ".multi").size() : 0);
        const qint64 syncBytes = folderBytes(syncing::syncRoot(folder_));
        qInfo("sync folder %lld bytes, exchange export %lld bytes, %d replies, ratio %.2f",
              syncBytes, exportBytes, next, double(syncBytes) / double(exportBytes));
        QVERIFY2(syncBytes <= 2 * exportBytes, qPrintable(QString::number(syncBytes)));
        // And what it holds is enough for a machine that joins now.
        Machine c(dir_.path(), QStringLiteral("c"));
        QCOMPARE(c.sync(folder_).skipped, 0);
        QCOMPARE(c.digest(), a.digest());
    }
};

QTEST_GUILESS_MAIN(TestSyncSnapshot)
#include "test_sync_snapshot.moc"
