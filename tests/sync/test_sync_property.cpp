// SPDX-License-Identifier: GPL-3.0-or-later
// Three machines make thousands of random changes and sync through folders of their own that
// a simulated sync tool keeps alike: late, out of order, twice, cut and later whole, and
// deletions late too; one machine's clock is a day ahead, another's a day behind. Cards are
// asked both ways, sets turned round and cards given pictures and sounds. They fold their read
// change files into snapshots often. After a last round every machine holds the same content and no
// reply is lost, and a machine that joins then gets the same.
#include "Machine.h"
#include "StoppedClock.h"
#include "data/Sql.h"
#include "media/MediaStore.h"
#include "support/MediaBytes.h"
#include "sync/Fold.h"
#include "sync/Hlc.h"
#include "sync/MediaFolder.h"
#include "sync/SyncFolder.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHashFunctions>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using testing::Machine;

namespace {

constexpr qint64 kDay = 24 * 3600 * 1000LL;

// Copies files between the machines' folders the way a sync tool may.
class SyncTool {
  public:
    SyncTool(QRandomGenerator& random, std::vector<QString> folders)
        : random_(random), folders_(std::move(folders)) {}

    // Notes every file a machine wrote that another machine's folder lacks or holds
    // differently, and every file it deleted that another folder still holds. Like a real sync
    // tool, it carries the newest version from the writer, never a cut copy back.
    void look(const std::vector<QString>& ids) {
        for (size_t from = 0; from < folders_.size(); ++from) {
            if (ids[from].isEmpty())
                continue;
            const QString own = QDir(syncing::syncRoot(folders_[from])).filePath(ids[from]);
            carry(from, own);
            carry(from, syncing::mediaFolder(syncing::syncRoot(folders_[from])));
            for (size_t to = 0; to < folders_.size(); ++to) {
                if (to == from)
                    continue;
                const QDir copy(QDir(syncing::syncRoot(folders_[to])).filePath(ids[from]));
                for (const QString& name : copy.entryList(QDir::Files))
                    if (!QFile::exists(QDir(own).filePath(name)))
                        queue_.push_back({to,
                                          QDir(folders_[to]).relativeFilePath(copy.filePath(name)),
                                          {},
                                          true});
            }
        }
    }

    // Delivers some of what waits, in any order; now and then a file arrives cut first, or
    // twice.
    void deliverSome() {
        for (int n = static_cast<int>(random_.bounded(4)); n > 0 && !queue_.empty(); --n) {
            const size_t pick = random_.bounded(static_cast<quint32>(queue_.size()));
            const Item item = queue_[pick];
            const int roll = static_cast<int>(random_.bounded(10));
            if (item.deleted) {
                QFile::remove(QDir(folders_[item.to]).filePath(item.relative));
                queue_.erase(queue_.begin() + static_cast<std::ptrdiff_t>(pick));
                continue;
            }
            if (roll == 0 && item.bytes.size() > 2) {
                write(
                    item.to, item.relative,
                    item.bytes.left(random_.bounded(static_cast<quint32>(item.bytes.size() - 1))));
                continue; // the whole file later
            }
            write(item.to, item.relative, item.bytes);
            if (roll != 1) // once in a while delivered again later
                queue_.erase(queue_.begin() + static_cast<std::ptrdiff_t>(pick));
        }
    }

    void deliverAll() {
        for (const Item& item : queue_) {
            if (item.deleted)
                QFile::remove(QDir(folders_[item.to]).filePath(item.relative));
            else
                write(item.to, item.relative, item.bytes);
        }
        queue_.clear();
    }

  private:
    struct Item {
        size_t to;
        QString relative;
        QByteArray bytes;
        bool deleted;
    };
    QRandomGenerator& random_;
    std::vector<QString> folders_;
    std::vector<Item> queue_;

    // Every file of `folder` in machine `from`'s copy that another copy lacks or holds
    // differently.
    void carry(size_t from, const QString& folder) {
        QDirIterator it(folder, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = QDir(folders_[from]).relativeFilePath(path);
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = f.readAll();
            for (size_t to = 0; to < folders_.size(); ++to)
                if (to != from && read(to, relative) != bytes)
                    queue_.push_back({to, relative, bytes, false});
        }
    }

    QByteArray read(size_t to, const QString& relative) const {
        QFile f(QDir(folders_[to]).filePath(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(size_t to, const QString& relative, const QByteArray& bytes) {
        const QString path = QDir(folders_[to]).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
};

// The lines only one digest holds, counted, so that a line held twice on one side shows too.
QString difference(const QString& a, const QString& b) {
    QStringList onlyA, onlyB = b.split(QLatin1Char('\n'));
    for (const QString& line : a.split(QLatin1Char('\n')))
        if (!onlyB.removeOne(line))
            onlyA << line;
    return onlyA.mid(0, 8).join(QLatin1Char('\n')) + QStringLiteral("\n--\n") +
           onlyB.mid(0, 8).join(QLatin1Char('\n'));
}

} // namespace

class TestSyncProperty : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        syncing::setFlushForTesting(false);
        testing::followSyncClockInSqlite();
        QHashSeed::setDeterministicGlobalSeed(); // the order sets and cards are brought in line
        // Folded every few files, in small parts, so the snapshots are read and rewritten often.
        syncing::setFoldThresholdForTesting(3);
        syncing::setSnapshotPartLengthForTesting(4096);
    }

    void cleanup() {
        syncing::setClockForTesting(0);
        syncing::setIdSeedForTesting(0);
        syncing::setClockShiftForTesting(0);
    }

    void threeMachinesConverge_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("steps");
        // MEMORANT_SYNC_SEED and _STEPS run one case of choice when a failure is looked into.
        if (qEnvironmentVariableIsSet("MEMORANT_SYNC_SEED")) {
            QTest::newRow("chosen") << quint32(qEnvironmentVariableIntValue("MEMORANT_SYNC_SEED"))
                                    << qEnvironmentVariableIntValue("MEMORANT_SYNC_STEPS");
            return;
        }
        QTest::newRow("seed 1") << 1u << 1500;
        QTest::newRow("seed 2") << 2u << 1500;
    }

    void threeMachinesConverge() {
        QFETCH(quint32, seed);
        QFETCH(int, steps);
        QTemporaryDir dir;
        QRandomGenerator random(seed);
        // Ids and the clock follow the seed too, so that a failure replays exactly: the winner
        // of a tie, and which change is later, are part of what is tested.
        syncing::setIdSeedForTesting(seed);
        qint64 now = QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
        syncing::setClockForTesting(now);
        std::vector<std::unique_ptr<Machine>> m;
        std::vector<QString> folders;
        for (int i = 0; i < 3; ++i) {
            m.push_back(std::make_unique<Machine>(dir.path(), QStringLiteral("m%1").arg(i)));
            folders.push_back(dir.filePath(QStringLiteral("folder%1").arg(i)));
            QDir().mkpath(folders.back());
        }
        SyncTool tool(random, folders);
        const auto ids = [&] {
            std::vector<QString> out;
            for (const auto& machine : m)
                out.push_back(
                    machine->scalar(QStringLiteral("SELECT Id FROM SyncReplica")).toString());
            return out;
        };
        const QStringList names = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                   QStringLiteral("D")};
        const auto pick = [&](const QStringList& list) {
            return list.value(static_cast<int>(random.bounded(static_cast<quint32>(list.size()))));
        };
        QStringList undoneTokens, tokens;
        std::vector<std::vector<std::pair<qint64, QString>>> replies(3);
        int lastCleaning = -1;
        for (int step = 0; step < steps; ++step) {
            const size_t who = random.bounded(3u);
            Machine& x = *m[who];
            now += random.bounded(3u); // now and then two changes within one millisecond
            syncing::setClockForTesting(now);
            // The first machine's clock is a day ahead, the second's a day behind.
            syncing::setClockShiftForTesting(who == 0 ? kDay : who == 1 ? -kDay : 0);
            const QStringList sets = x.column(QStringLiteral("SELECT SetName FROM Set1"));
            const QStringList cards = x.column(QStringLiteral("SELECT Card_ID FROM Card WHERE "
                                                              "Card_ID IN (SELECT Card_ID FROM "
                                                              "Set_Card_rel)"));
            const int op = static_cast<int>(random.bounded(100u));
            if (op < 5) {
                const QString name = pick(names);
                if (!sets.contains(name, Qt::CaseInsensitive))
                    x.addSet(name);
            } else if (op < 8 && !sets.isEmpty()) {
                const QString to = pick(names) + pick({QString(), QStringLiteral("x")});
                if (!sets.contains(to, Qt::CaseInsensitive))
                    x.renameSet(pick(sets), to);
            } else if (op < 10 && !sets.isEmpty()) {
                x.deleteSet(pick(sets));
            } else if (op < 25 && !sets.isEmpty()) {
                x.addCard(pick(sets), QStringLiteral("q%1").arg(step),
                          QStringLiteral("a%1").arg(step));
            } else if (op < 32 && !cards.isEmpty()) {
                x.editCard(pick(cards).toLongLong(), QStringLiteral("e%1").arg(step),
                           QStringLiteral("f%1").arg(step));
            } else if (op < 35 && !cards.isEmpty()) {
                x.setAnswers(pick(cards).toLongLong(),
                             {QStringLiteral("m%1").arg(step), QStringLiteral("n")});
            } else if (op < 40 && !cards.isEmpty() && !sets.isEmpty()) {
                const QString set = pick(sets);
                const qint64 card = pick(cards).toLongLong();
                if (random.bounded(2u))
                    x.removeCard(set, card);
                else if (!x.scalar(QStringLiteral("SELECT 1 FROM Set_Card_rel WHERE Set_ID = ? AND "
                                                  "Card_ID = ?"),
                                   {x.setId(set), card})
                              .isValid())
                    x.tie(set, card);
            } else if (op < 75 && !cards.isEmpty()) {
                const QString token = QStringLiteral("r%1").arg(step);
                // One reply in three asked answer first.
                const qint64 card = pick(cards).toLongLong();
                const qint64 row = random.bounded(3u) == 0
                                       ? x.replyReverse(card, random.bounded(2u), token)
                                       : x.reply(card, random.bounded(2u), token);
                if (row > 0) {
                    tokens << token;
                    replies[who].push_back({row, token});
                }
            } else if (op < 80 && !replies[who].empty()) {
                // Only the last reply can be taken back, while its row is still there.
                const auto [row, token] = replies[who].back();
                replies[who].pop_back();
                if (x.scalar(QStringLiteral("SELECT 1 FROM Log WHERE RecID = ?"), {row})
                        .isValid()) {
                    x.undo(row);
                    undoneTokens << token;
                }
            } else if (op < 81) {
                x.cleanLog();
                replies[who].clear();
                lastCleaning = step;
                now += 3; // the next change is stamped after it
            } else if (op < 95) {
                const syncing::SyncSummary s = x.sync(folders[who]);
                QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
                tool.look(ids());
            } else if (op < 97 && !sets.isEmpty()) {
                x.turnSet(pick(sets), static_cast<int>(random.bounded(3u)));
            } else if (op < 100 && !cards.isEmpty()) {
                // One of a few pictures or sounds, or none.
                const qint64 card = pick(cards).toLongLong();
                const quint32 which = random.bounded(4u);
                const bool picture = random.bounded(2u) == 0;
                const media::Slot slot = picture ? media::Slot::Picture : media::Slot::Sound;
                if (which == 0)
                    media::setCardMedia(x.db(), card, slot, {});
                else
                    media::setCardMediaFromBytes(
                        x.db(), card, slot,
                        picture ? testing::pngBytes(which, which)
                                : testing::wavBytes(QByteArray(1, char(which))),
                        QStringLiteral("m%1").arg(which));
            }
            tool.deliverSome();
        }
        syncing::setClockShiftForTesting(0);
        // The last rounds: every file delivered whole, until a round moves nothing. A change
        // goes one machine further a round, so that takes a few rounds, never many.
        bool moved = true;
        QStringList lastRound;
        for (int round = 0; moved && round < 6; ++round) {
            moved = false;
            lastRound.clear();
            syncing::setClockForTesting(now += 10);
            tool.look(ids());
            tool.deliverAll();
            for (size_t i = 0; i < m.size(); ++i) {
                const syncing::SyncSummary s = m[i]->sync(folders[i]);
                QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
                QCOMPARE(s.skipped, 0);
                moved = moved || s.sent > 0 || s.received > 0;
                lastRound << QStringLiteral("m%1 %2").arg(i).arg(s.line());
            }
        }
        QVERIFY2(!moved, qPrintable(QStringLiteral("still moving after the last round: ") +
                                    lastRound.join(QStringLiteral("; "))));
        const QString digest = m[0]->digest();
        QVERIFY(!digest.isEmpty());
        QVERIFY(digest.contains(QStringLiteral(" media ")));
        for (size_t i = 1; i < m.size(); ++i) {
            if (m[i]->digest() != digest) {
                if (qEnvironmentVariableIsSet("MEMORANT_SYNC_DUMP")) {
                    QFile a(QStringLiteral("/tmp/digest0")),
                        b(QStringLiteral("/tmp/digest%1").arg(i));
                    if (a.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly)) {
                        a.write(digest.toUtf8());
                        b.write(m[i]->digest().toUtf8());
                    }
                    const QString q = qEnvironmentVariable("MEMORANT_SYNC_DUMP");
                    for (size_t k : {size_t(0), i}) {
                        qDebug() << "machine" << k
                                 << m[k]->column(
                                        "SELECT Gid || ' ' || coalesce(Card_ID,'-') || ' q ' || "
                                        "QAt || ' a ' || AAt || ' o ' || OAt || ' l ' || LAt || ' "
                                        "' || coalesce(Canon,'') FROM SyncCard WHERE Question = ?",
                                        {q});
                        qDebug() << m[k]->column(
                            "SELECT s.Name || ' set ' || coalesce(s.Set_ID,'-') || ' c ' || "
                            "s.CreatedAt || ' n ' || s.NameAt || ' f ' || s.FlagAt || ' d ' || "
                            "s.DeletedAt || ' add ' || m.AddAt || ' del ' || m.DelAt FROM "
                            "SyncMember m JOIN SyncSet s ON s.Gid = m.SetGid JOIN SyncCard c ON "
                            "c.Gid = m.CardGid WHERE c.Question = ?",
                            {q});
                        qDebug() << m[k]->column("SELECT Set_ID || ' ' || SetName FROM Set1");
                    }
                }
                QFAIL(qPrintable(QStringLiteral("m0 and m%1 differ:\n").arg(i) +
                                 difference(digest, m[i]->digest())));
            }
        }
        // A machine that joins now gets the same from the snapshots and the files after them.
        tool.look(ids());
        tool.deliverAll();
        Machine joiner(dir.path(), QStringLiteral("joiner"));
        for (int round = 0; round < 2; ++round) {
            const syncing::SyncSummary s = joiner.sync(folders[0]);
            QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
            QCOMPARE(s.skipped, 0);
        }
        // The same sets under the same names, cards, weights and log.
        QVERIFY2(joiner.digest() == digest,
                 qPrintable(QStringLiteral("m0 and the joiner differ:\n") +
                            difference(digest, joiner.digest())));
        // Every reply made after the last cleaning and not taken back is on every machine.
        for (const auto& machine : m) {
            const QStringList present = machine->column(QStringLiteral("SELECT JudgedBy FROM Log"));
            for (const QString& token : tokens) {
                if (token.mid(1).toInt() > lastCleaning && !undoneTokens.contains(token))
                    QVERIFY2(present.contains(token), qPrintable(token + " lost"));
            }
            for (const QString& token : undoneTokens)
                QVERIFY2(!present.contains(token), qPrintable(token + " not taken back"));
        }
    }
};

QTEST_GUILESS_MAIN(TestSyncProperty)
#include "test_sync_property.moc"
