// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CatchUp.h"

#include "data/Database.h"
#include "data/LockWait.h"
#include "data/Sql.h"
#include "sync/Apply.h"
#include "sync/Reconcile.h"
#include "sync/Shadow.h"
#include "sync/Snapshot.h"
#include "sync/SyncFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace syncing {
namespace {

// One write transaction of steps from `start` on; returns where the next one starts, or
// none on a change that does not fit its kind (the transaction then rolled back).
std::optional<size_t> applyBatch(const QSqlDatabase& db, Hlc& clock, SyncSummary& sum,
                                 const std::vector<ChangeEvent>& events, size_t start) {
    QElapsedTimer running;
    running.start();
    WriteTransaction t(db);
    data::exec(db, QStringLiteral("UPDATE SyncReplica SET Capture = 0"));
    ApplyCounts total;
    size_t done = start;
    do {
        const size_t end = std::min(events.size(), done + kChangesPerStep);
        const std::vector<ChangeEvent> step(events.begin() + static_cast<std::ptrdiff_t>(done),
                                            events.begin() + static_cast<std::ptrdiff_t>(end));
        try {
            total.add(applyStep(db, clock, step));
        } catch (const BadChange&) {
            return std::nullopt;
        }
        done = end;
    } while (done < events.size() && running.elapsed() < kBatchMs &&
             !data::anotherConnectionWaits());
    data::exec(db, QStringLiteral("UPDATE SyncReplica SET Capture = 1, Hlc = ?"), {clock.last()});
    t.commit();
    sum.conflicts += total.conflicts;
    sum.joinedSets += total.joinedSets;
    sum.joinedCards += total.joinedCards;
    sum.renamed += total.renamed;
    sum.received += static_cast<int>(done - start);
    return done;
}

// False on a change that does not fit its kind.
bool applyInSteps(const QSqlDatabase& db, Hlc& clock, SyncSummary& sum,
                  const std::vector<ChangeEvent>& events) {
    for (size_t start = 0; start < events.size();) {
        const std::optional<size_t> next = applyBatch(db, clock, sum, events, start);
        if (!next)
            return false;
        start = *next;
        // A moment for a reply that waits to take the lock before the next batch does.
        if (data::anotherConnectionWaits())
            QThread::usleep(2000);
    }
    return true;
}

// The parts' bytes when every one is there and whole, else none.
std::optional<std::vector<QByteArray>> wholeParts(const SnapshotManifest& manifest,
                                                  const QString& folder) {
    std::vector<QByteArray> parts;
    for (const SnapshotPart& part : manifest.parts) {
        QByteArray bytes = readAll(QDir(folder).filePath(part.name));
        if (!partMatches(part, bytes))
            return std::nullopt;
        parts.push_back(std::move(bytes));
    }
    return parts;
}

bool needsSnapshot(const QSqlDatabase& db, const SnapshotManifest& manifest,
                   const QString& folder) {
    const qint64 readSeq =
        data::scalar(db, QStringLiteral("SELECT ReadSeq FROM SyncPeer WHERE Replica = ?"),
                     {manifest.replica})
            .toLongLong();
    if (readSeq >= manifest.upTo)
        return false;
    // The change files go on from where this machine stopped: read as they are.
    return readSeq == 0 || !QFile::exists(QDir(folder).filePath(changeFileName(readSeq + 1)));
}

} // namespace

void catchUpFromSnapshot(const QSqlDatabase& db, Hlc& clock, SyncSummary& sum,
                         const QString& replica, const QString& folder) {
    const std::optional<SnapshotManifest> manifest =
        decodeManifest(readAll(QDir(folder).filePath(snapshotManifestName())));
    if (!manifest || manifest->replica != replica)
        return;
    data::exec(db, QStringLiteral("INSERT OR IGNORE INTO SyncPeer (Replica, SeenAt) VALUES (?, ?)"),
               {replica, nowText()});
    if (!needsSnapshot(db, *manifest, folder))
        return;
    if (manifest->format > kChangeFormat || manifest->schema > data::kSchemaVersion) {
        sum.noteNewerProgram();
        return;
    }
    const std::optional<std::vector<QByteArray>> parts = wholeParts(*manifest, folder);
    if (!parts) {
        ++sum.skipped; // still arriving, or gone with a newer snapshot on its way
        return;
    }
    for (size_t i = 0; i < parts->size(); ++i) {
        const ReadChanges read = decodeSnapshotPart((*parts)[i], data::kSchemaVersion);
        if (read.status == ReadStatus::NewerSchema || read.status == ReadStatus::NewerFormat) {
            sum.noteNewerProgram();
            return;
        }
        if (read.status != ReadStatus::Ok || read.header.replica != replica ||
            read.header.seq != static_cast<qint64>(i) + 1 ||
            !applyInSteps(db, clock, sum, read.events)) {
            ++sum.skipped;
            return;
        }
    }
    WriteTransaction t(db);
    data::exec(db,
               QStringLiteral("UPDATE SyncPeer SET ReadSeq = max(ReadSeq, ?), SeenAt = ? WHERE "
                              "Replica = ?"),
               {manifest->upTo, nowText(), replica});
    t.commit();
}

} // namespace syncing
