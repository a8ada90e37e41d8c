// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Sync.h"

#include "data/Database.h"
#include "data/LockWait.h"
#include "data/Sql.h"
#include "sync/Apply.h"
#include "sync/Capture.h"
#include "sync/CatchUp.h"
#include "sync/ChangeFile.h"
#include "sync/Fold.h"
#include "sync/Hlc.h"
#include "sync/MediaFolder.h"
#include "sync/Reconcile.h"
#include "sync/Shadow.h"
#include "sync/SyncFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlQuery>
#include <QSysInfo>
#include <QThread>
#include <limits>

namespace syncing {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sync)
};

// How long a change file may stay unreadable before the learner is told: a sync tool may take
// a while to bring a whole file, but not days.
constexpr qint64 kStuckDays = 3;
constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;

void queueFiles(const QSqlDatabase& db, ReplicaRow& r, const std::vector<ChangeEvent>& events) {
    for (size_t start = 0; start < events.size(); start += kChangesPerStep) {
        const size_t end = std::min(events.size(), start + kChangesPerStep);
        const std::vector<ChangeEvent> part(events.begin() + static_cast<std::ptrdiff_t>(start),
                                            events.begin() + static_cast<std::ptrdiff_t>(end));
        const QByteArray body =
            encodeChanges({kChangeFormat, data::kSchemaVersion, r.id, r.nextSeq}, part);
        data::exec(db, QStringLiteral("INSERT INTO SyncPending (Seq, Body) VALUES (?, ?)"),
                   {r.nextSeq, body});
        ++r.nextSeq;
    }
}

// A file under this machine's id that it did not write means another database uses the id
// too (a copy of this file, or a backup brought back): this one takes a new id, before it
// writes anything, and reads what was written under the old one as another machine's.
bool takeNewIdIfCopied(const QSqlDatabase& db, ReplicaRow& r, const QString& root) {
    const QString own = QDir(root).filePath(r.id);
    const QMap<qint64, QString> files = changeFiles(own);
    // Files folded into the snapshot count as written.
    bool copied =
        std::max(files.isEmpty() ? 0 : files.lastKey(), snapshotCoverage(own)) >= r.nextSeq;
    QSqlQuery pending = data::exec(db, QStringLiteral("SELECT Seq, Body FROM SyncPending"));
    while (!copied && pending.next()) {
        const qint64 seq = pending.value(0).toLongLong();
        copied = files.contains(seq) &&
                 readAll(QDir(own).filePath(files.value(seq))) != pending.value(1).toByteArray();
    }
    if (!copied)
        return false;
    const qint64 firstPending =
        data::scalar(db, QStringLiteral("SELECT coalesce(min(Seq), ?) FROM SyncPending"),
                     {r.nextSeq})
            .toLongLong();
    data::exec(db,
               QStringLiteral("INSERT OR REPLACE INTO SyncPeer (Replica, Name, ReadSeq) "
                              "VALUES (?, ?, ?)"),
               {r.id, r.name, firstPending - 1});
    const QString oldId = r.id;
    r.id = newId();
    // What was made ready but never written goes out under the new id, renumbered and
    // re-headed.
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT Seq, Body FROM SyncPending ORDER BY Seq"));
    std::vector<std::vector<ChangeEvent>> parts;
    while (q.next())
        parts.push_back(decodeChanges(q.value(1).toByteArray(), data::kSchemaVersion).events);
    data::exec(db, QStringLiteral("DELETE FROM SyncPending"));
    r.nextSeq = 1;
    for (const std::vector<ChangeEvent>& part : parts)
        queueFiles(db, r, part);
    data::exec(db, QStringLiteral("UPDATE SyncReplica SET Id = ?, NextSeq = ?"), {r.id, r.nextSeq});
    Q_UNUSED(oldId);
    return true;
}

// Writes the files made ready; stops at the first that cannot be written (they stay ready).
QString writePending(const QSqlDatabase& db, const QString& own) {
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT Seq, Body FROM SyncPending ORDER BY Seq"));
    std::vector<std::pair<qint64, QByteArray>> ready;
    while (q.next())
        ready.emplace_back(q.value(0).toLongLong(), q.value(1).toByteArray());
    for (const auto& [seq, body] : ready) {
        const QString failure = writeWhole(own, changeFileName(seq), body);
        if (!failure.isEmpty())
            return failure;
        finishStatements();
        data::exec(db, QStringLiteral("DELETE FROM SyncPending WHERE Seq = ?"), {seq});
        data::exec(db, QStringLiteral("UPDATE SyncReplica SET LastSync = ?"), {nowText()});
    }
    return {};
}

class Reader {
  public:
    Reader(const QSqlDatabase& db, Hlc& clock, SyncSummary& sum, const std::atomic<bool>* stop)
        : db_(db), clock_(clock), sum_(sum), stop_(stop) {}

    bool stopped() const { return stop_ && stop_->load(); }

    void machine(const QString& replica, const QString& folder) {
        const std::optional<ReplicaState> state =
            decodeState(readAll(QDir(folder).filePath(QStringLiteral("state"))));
        // First seen now: a machine that never wrote a change is forgotten only 180 days on.
        data::exec(db_,
                   QStringLiteral("INSERT OR IGNORE INTO SyncPeer (Replica, SeenAt) VALUES (?, ?)"),
                   {replica, nowText()});
        if (state)
            data::exec(db_,
                       QStringLiteral("UPDATE SyncPeer SET Name = coalesce(?, Name), LastChange = "
                                      "coalesce(?, LastChange) WHERE Replica = ?"),
                       {state->name, state->changedAt, replica});
        qint64 seq = data::scalar(db_,
                                  QStringLiteral("SELECT ReadSeq FROM SyncPeer WHERE "
                                                 "Replica = ?"),
                                  {replica})
                         .toLongLong() +
                     1;
        const QMap<qint64, QString> files = changeFiles(folder);
        if (!files.isEmpty() && files.lastKey() >= seq)
            data::exec(db_,
                       QStringLiteral("UPDATE SyncPeer SET SeenAt = ?, Forgotten = 0 WHERE "
                                      "Replica = ?"),
                       {nowText(), replica});
        Batch batch{replica, folder, files, seq};
        while (!batch.stop && files.contains(batch.next) && !stopped()) {
            applyBatch(batch);
            // A moment for a reply that waits to take the lock before the next batch does.
            if (data::anotherConnectionWaits())
                QThread::usleep(2000);
        }
        // A later file with one missing before it waits for the missing one to arrive.
        if (!batch.stop && !files.isEmpty() && files.lastKey() > batch.next)
            ++sum_.skipped;
    }

  private:
    QSqlDatabase db_;
    Hlc& clock_;
    SyncSummary& sum_;
    const std::atomic<bool>* stop_;

    struct Batch {
        QString replica, folder;
        const QMap<qint64, QString>& files;
        qint64 next;       // the first file not yet applied
        bool stop = false; // a file that cannot be applied yet: the rest waits for it
    };

    // A file read whole and from the machine it claims, or why not (counted and noted).
    std::optional<ReadChanges> readFile(const Batch& b, qint64 seq) {
        ReadChanges read = decodeChanges(readAll(QDir(b.folder).filePath(b.files.value(seq))),
                                         data::kSchemaVersion);
        if (read.status == ReadStatus::NewerSchema || read.status == ReadStatus::NewerFormat) {
            sum_.noteNewerProgram();
            return std::nullopt;
        }
        if (read.status != ReadStatus::Ok || read.header.replica != b.replica ||
            read.header.seq != seq) {
            ++sum_.skipped; // cut, changed or still arriving: tried again next time
            noteIfStuck(b, seq);
            return std::nullopt;
        }
        return read;
    }

    // A file still being copied is read a moment later; one that stays unreadable for days
    // holds back everything its machine wrote after it, which the learner must hear of.
    void noteIfStuck(const Batch& b, qint64 seq) {
        const QString path = QDir(b.folder).filePath(b.files.value(seq));
        const QDateTime since = QFileInfo(path).lastModified();
        if (!since.isValid() ||
            since.msecsTo(QDateTime::fromMSecsSinceEpoch(wallClockMs())) < kStuckDays * kDayMs)
            return;
        QString name =
            data::scalar(db_, QStringLiteral("SELECT Name FROM SyncPeer WHERE Replica = ?"),
                         {b.replica})
                .toString();
        const QString note =
            Text::tr("A change file from %1 has been unreadable for %2 days (\"%3\"): what "
                     "that machine changed after it waits. Let Memorant on %1 sync "
                     "again; if the file stays unreadable, check the sync tool there.")
                .arg(name.isEmpty() ? b.replica : name)
                .arg(kStuckDays)
                .arg(QDir::toNativeSeparators(path));
        if (!sum_.notes.contains(note))
            sum_.notes << note;
    }

    // Applies files from `b.next` on; a file that does not fit its kinds is not applied,
    // nor anything after it, but the ones before it are.
    void applyBatch(Batch& b) {
        const std::optional<int> unfit = tryBatch(b, std::numeric_limits<int>::max());
        if (!unfit)
            return;
        ++sum_.skipped;
        b.stop = true;
        if (*unfit > 0)
            tryBatch(b, *unfit);
    }

    // At most `most` files in one transaction that runs for about kBatchMs. Returns the place
    // in the batch of a file that did not fit (the whole batch then rolled back).
    std::optional<int> tryBatch(Batch& b, int most) {
        QElapsedTimer running;
        running.start();
        WriteTransaction t(db_);
        data::exec(db_, QStringLiteral("UPDATE SyncReplica SET Capture = 0"));
        ApplyCounts counts;
        int applied = 0;
        int received = 0;
        qint64 seq = b.next;
        for (; applied < most && b.files.contains(seq) &&
               (applied == 0 || (running.elapsed() < kBatchMs && !data::anotherConnectionWaits()));
             ++seq, ++applied) {
            const std::optional<ReadChanges> read = readFile(b, seq);
            if (!read) {
                b.stop = true;
                break;
            }
            try {
                // Each file brought in line at once: a reply that comes to wait meanwhile
                // waits for this file alone.
                counts.add(applyStep(db_, clock_, read->events));
            } catch (const BadChange&) {
                return applied;
            }
            received += static_cast<int>(read->events.size());
        }
        if (applied > 0)
            data::exec(db_, QStringLiteral("UPDATE SyncPeer SET ReadSeq = ? WHERE Replica = ?"),
                       {seq - 1, b.replica});
        data::exec(db_, QStringLiteral("UPDATE SyncReplica SET Capture = 1, Hlc = ?"),
                   {clock_.last()});
        t.commit();
        sum_.conflicts += counts.conflicts;
        sum_.joinedSets += counts.joinedSets;
        sum_.joinedCards += counts.joinedCards;
        sum_.received += received;
        sum_.renamed += counts.renamed;
        b.next = seq;
        return std::nullopt;
    }
};

// Days since the later of two ISO times; a great many when neither is known.
qint64 daysUnseen(const QString& lastChange, const QString& seenAt) {
    const QDateTime last = std::max(QDateTime::fromString(lastChange, Qt::ISODate),
                                    QDateTime::fromString(seenAt, Qt::ISODate));
    return last.isValid() ? last.daysTo(QDateTime::fromMSecsSinceEpoch(wallClockMs(), Qt::UTC))
                          : std::numeric_limits<qint64>::max();
}

// Ids are random, so a large sync writes all over its indexes: with them in memory it
// reads no page twice from the disk. SQLite takes the memory only as pages are read.
class LargerCache {
  public:
    explicit LargerCache(const QSqlDatabase& db) : db_(db) {
        try {
            before_ = data::scalar(db_, QStringLiteral("PRAGMA cache_size"));
            data::exec(db_, QStringLiteral("PRAGMA cache_size = -262144"));
        } catch (const data::DbError&) {
            before_ = QVariant(); // the sync only runs slower
        }
    }
    ~LargerCache() {
        if (!before_.isValid())
            return;
        try {
            data::exec(db_, QStringLiteral("PRAGMA cache_size = %1").arg(before_.toLongLong()));
        } catch (const data::DbError&) {
            // A connection that cannot be set back closes soon with its cache.
        }
    }
    LargerCache(const LargerCache&) = delete;
    LargerCache& operator=(const LargerCache&) = delete;

  private:
    QSqlDatabase db_;
    QVariant before_;
};

void writeState(const QSqlDatabase& db, const ReplicaRow& r, const QString& own) {
    finishStatements();
    ReplicaState state;
    state.replica = r.id;
    state.name = r.name;
    state.schema = data::kSchemaVersion;
    state.changedAt =
        data::scalar(db, QStringLiteral("SELECT coalesce(LastSync, '') FROM SyncReplica"))
            .toString();
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT Replica, ReadSeq FROM SyncPeer"));
    while (q.next())
        state.read.insert(q.value(0).toString(), q.value(1).toLongLong());
    const QString failure = writeWhole(own, QStringLiteral("state"), encodeState(state));
    if (!failure.isEmpty())
        throw data::Error(failure);
}

// This machine's media, then its change files: a change file never names a picture the
// folder cannot give. Empty on success, else what was not written.
QString writeOwnFiles(const QSqlDatabase& db, const QString& root, const QString& own) {
    const QString failure = writeMediaToFolder(db, root);
    return failure.isEmpty() ? writePending(db, own) : failure;
}

void noteMediaArrivals(const MediaArrivals& arrivals, SyncSummary& sum) {
    sum.mediaNamed += arrivals.named;
    sum.mediaWaiting = arrivals.waiting;
    for (const QString& why : arrivals.refused)
        sum.notes << Text::tr("A picture or sound in the sync folder was not taken: %1").arg(why);
}

} // namespace

void SyncSummary::noteNewerProgram() {
    ++skipped;
    const QString note = Text::tr(
        "Another machine writes changes of a newer Memorant: update Memorant on this machine "
        "to receive them (they wait in the folder, nothing is lost)");
    if (!notes.contains(note))
        notes << note;
}

QString SyncSummary::line() const {
    return QStringLiteral("sent=%1 received=%2 machines=%3 conflicts=%4 skipped=%5")
        .arg(sent)
        .arg(received)
        .arg(machines)
        .arg(conflicts)
        .arg(skipped);
}

QString SyncSummary::mediaWaitingNote() const {
    if (mediaWaiting <= 0)
        return {};
    return mediaWaiting == 1
               ? Text::tr("1 picture or sound waits for the sync folder to bring it; it is "
                          "named on its card once it has")
               : Text::tr("%n pictures or sounds wait for the sync folder to bring them; "
                          "they are named on their cards once it has",
                          nullptr, mediaWaiting);
}

ReplicaRow readReplica(const QSqlDatabase& db) {
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT Id, Name, coalesce(Folder, ''), NextSeq, Hlc FROM SyncReplica"));
    ReplicaRow r;
    if (q.next()) {
        r.id = q.value(0).toString();
        r.name = q.value(1).toString();
        r.folder = q.value(2).toString();
        r.nextSeq = q.value(3).toLongLong();
        r.hlc = q.value(4).toLongLong();
    }
    return r;
}

SyncSummary runSync(const QSqlDatabase& db, const SyncOptions& options) {
    SyncSummary sum;
    const StatementCache statements;
    const LargerCache cache(db);
    try {
        ReplicaRow r = readReplica(db);
        const QString folder =
            options.folder.isEmpty() ? r.folder : QFileInfo(options.folder).absoluteFilePath();
        if (folder.isEmpty()) {
            sum.error = Text::tr("No sync folder is set: name one with --folder DIR");
            return sum;
        }
        if (!QFileInfo(folder).isDir()) {
            sum.error = Text::tr("The sync folder \"%1\" does not exist").arg(folder);
            return sum;
        }
        const QString root = syncRoot(folder);
        if (!QFileInfo(root).isDir() && !QDir().mkpath(root)) {
            sum.error = Text::tr("The folder \"%1\" cannot be made").arg(root);
            return sum;
        }
        QSet<QString> weighed;
        {
            WriteTransaction t(db);
            data::exec(db, QStringLiteral("UPDATE SyncReplica SET Folder = ?"), {folder});
            if (!options.name.isEmpty())
                r.name = options.name;
            sum.firstSync = r.id.isEmpty();
            if (sum.firstSync) {
                r.id = newId();
                if (r.name.isEmpty())
                    r.name = QSysInfo::machineHostName();
                data::exec(db, QStringLiteral("UPDATE SyncReplica SET Id = ?, Capture = 1"),
                           {r.id});
            } else if (takeNewIdIfCopied(db, r, root)) {
                sum.notes << Text::tr(
                    "This database was copied from another one, or brought back from a "
                    "backup: it now syncs as a machine of its own");
            }
            data::exec(db, QStringLiteral("UPDATE SyncReplica SET Name = ?"), {r.name});
            Hlc clock(r.hlc, r.id);
            const std::vector<ChangeEvent> events =
                sum.firstSync ? snapshotEverything(db, clock) : collectChanges(db, clock, weighed);
            for (const QString& gid : weighed)
                reweigh(db, gid);
            if (!sum.firstSync)
                sum.renamed += reconcileOwn(db, events);
            queueFiles(db, r, events);
            data::exec(db, QStringLiteral("UPDATE SyncReplica SET NextSeq = ?, Hlc = ?"),
                       {r.nextSeq, clock.last()});
            t.commit();
            sum.sent = static_cast<int>(events.size());
        }
        const QString own = QDir(root).filePath(r.id);
        const QString unwritten = writeOwnFiles(db, root, own);
        if (!unwritten.isEmpty())
            sum.error = Text::tr("This machine's changes wait to be written: %1").arg(unwritten);
        Hlc clock(readReplica(db).hlc, r.id);
        Reader reader(db, clock, sum, options.stop);
        sum.machines = 1;
        for (const QString& name : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (reader.stopped())
                break;
            if (name == r.id || name.size() != 32 || isTransientName(name))
                continue;
            ++sum.machines;
            catchUpFromSnapshot(db, clock, sum, name, QDir(root).filePath(name));
            reader.machine(name, QDir(root).filePath(name));
        }
        if (!reader.stopped())
            noteMediaArrivals(bringInMedia(db, root), sum);
        if (unwritten.isEmpty()) {
            writeState(db, readReplica(db), own);
            if (const QString untidy = foldOwnChanges(db, root, r.id); !untidy.isEmpty())
                sum.notes << untidy;
        }
    } catch (const data::Error& e) {
        sum.error = e.message();
    }
    return sum;
}

void stopSync(const QSqlDatabase& db) {
    data::exec(db, QStringLiteral("UPDATE SyncReplica SET Folder = NULL"));
}

std::vector<MachineStatus> machines(const QSqlDatabase& db) {
    std::vector<MachineStatus> out;
    const ReplicaRow r = readReplica(db);
    if (r.id.isEmpty())
        return out;
    const QString root = r.folder.isEmpty() ? QString() : syncRoot(r.folder);
    const auto written = [&](const QString& id) -> qint64 {
        if (root.isEmpty())
            return 0;
        const QString folder = QDir(root).filePath(id);
        const QMap<qint64, QString> files = changeFiles(folder);
        return std::max(files.isEmpty() ? 0 : files.lastKey(), snapshotCoverage(folder));
    };
    MachineStatus self;
    self.replica = r.id;
    self.name = r.name;
    self.self = true;
    self.lastChange = data::scalar(db, QStringLiteral("SELECT coalesce(LastSync, '') FROM "
                                                      "SyncReplica"))
                          .toString();
    self.readSeq = r.nextSeq - 1;
    self.written = written(r.id);
    out.push_back(self);
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT Replica, Name, coalesce(LastChange, ''), "
                                                "ReadSeq, coalesce(SeenAt, '') FROM SyncPeer "
                                                "WHERE Forgotten = 0 ORDER BY Name, Replica"));
    while (q.next()) {
        MachineStatus m;
        m.replica = q.value(0).toString();
        m.name = q.value(1).toString();
        m.lastChange = q.value(2).toString();
        m.readSeq = q.value(3).toLongLong();
        m.written = written(m.replica);
        if (!root.isEmpty()) {
            const std::optional<ReplicaState> state = decodeState(
                readAll(QDir(QDir(root).filePath(m.replica)).filePath(QStringLiteral("state"))));
            if (state && state->replica == m.replica)
                m.readOfThis = state->read.value(r.id, 0);
        }
        m.unseenDays = daysUnseen(m.lastChange, q.value(4).toString());
        out.push_back(m);
    }
    return out;
}

QString forgetMachine(const QSqlDatabase& db, const QString& name, int days) {
    QSqlQuery q = data::exec(db,
                             QStringLiteral("SELECT Replica, coalesce(LastChange, ''), "
                                            "coalesce(SeenAt, '') FROM SyncPeer WHERE (Name = ? "
                                            "OR Replica = ?) AND Forgotten = 0"),
                             {name, name});
    if (!q.next())
        return Text::tr("No machine named \"%1\" syncs with this one").arg(name);
    const QString replica = q.value(0).toString();
    const qint64 unseen = daysUnseen(q.value(1).toString(), q.value(2).toString());
    if (unseen < days)
        return Text::tr("\"%1\" was seen %2 days ago: only a machine unseen for %3 days "
                        "can be forgotten")
            .arg(name)
            .arg(unseen)
            .arg(days);
    data::exec(db, QStringLiteral("UPDATE SyncPeer SET Forgotten = 1 WHERE Replica = ?"),
               {replica});
    return {};
}

} // namespace syncing
