// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Fold.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "sync/Compaction.h"
#include "sync/Snapshot.h"
#include "sync/SyncFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

namespace syncing {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sync)
};

// Folding rewrites the whole snapshot, so it waits for this many read files: the folder then
// holds at most these besides the snapshot, and a machine that syncs after every lesson
// rewrites its snapshot every few weeks.
constexpr int kFoldThreshold = 32;
// A part's length before compression: small enough to read without a noticeable pause.
constexpr qsizetype kPartLength = qsizetype{1024} * 1024;

int foldThreshold = kFoldThreshold;
qsizetype partLength = kPartLength;

// How far every other machine known here, and not forgotten, has read this one's files, by
// their state files; `written` when there is none. A machine whose state file is missing
// or says nothing of this one has read nothing.
qint64 readByAll(const QSqlDatabase& db, const QString& root, const QString& ownId,
                 qint64 written) {
    qint64 least = written;
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT Replica FROM SyncPeer WHERE Forgotten = 0 AND Replica <> ?"),
        {ownId});
    while (q.next()) {
        const QString peer = q.value(0).toString();
        const std::optional<ReplicaState> state =
            decodeState(readAll(QDir(QDir(root).filePath(peer)).filePath(QStringLiteral("state"))));
        least = std::min(least, state && state->replica == peer ? state->read.value(ownId, 0) : 0);
    }
    return least;
}

// Adds the previous snapshot's changes; false when a part of it cannot be read.
bool appendSnapshot(const QString& own, const SnapshotManifest& manifest,
                    std::vector<ChangeEvent>& events) {
    for (const SnapshotPart& part : manifest.parts) {
        const QByteArray bytes = readAll(QDir(own).filePath(part.name));
        if (!partMatches(part, bytes))
            return false;
        ReadChanges read = decodeSnapshotPart(bytes, data::kSchemaVersion);
        if (read.status != ReadStatus::Ok || read.header.replica != manifest.replica)
            return false;
        std::move(read.events.begin(), read.events.end(), std::back_inserter(events));
    }
    return true;
}

// Adds this machine's change files after `from`, up to `upTo`, while each reads whole;
// returns the number of the last one added.
qint64 appendOwnFiles(const QString& own, const QString& ownId, qint64 from, qint64 upTo,
                      std::vector<ChangeEvent>& events) {
    qint64 seq = from;
    for (; seq < upTo; ++seq) {
        ReadChanges read = decodeChanges(readAll(QDir(own).filePath(changeFileName(seq + 1))),
                                         data::kSchemaVersion);
        if (read.status != ReadStatus::Ok || read.header.replica != ownId ||
            read.header.seq != seq + 1)
            break;
        std::move(read.events.begin(), read.events.end(), std::back_inserter(events));
    }
    return seq;
}

qsizetype lengthOf(const ChangeEvent& e) {
    qsizetype length = e.fields.size();
    for (const QString& field : e.fields)
        length += field.size();
    return length;
}

// Writes the changes as parts of about `partLength` each; fills in the manifest's parts.
QString writeParts(const QString& own, const std::vector<ChangeEvent>& events,
                   SnapshotManifest& manifest) {
    size_t start = 0;
    while (start < events.size()) {
        size_t end = start;
        for (qsizetype length = 0; end < events.size() && (end == start || length < partLength);
             ++end)
            length += lengthOf(events[end]);
        const int number = static_cast<int>(manifest.parts.size()) + 1;
        const std::vector<ChangeEvent> part(events.begin() + static_cast<std::ptrdiff_t>(start),
                                            events.begin() + static_cast<std::ptrdiff_t>(end));
        const QByteArray bytes = encodeSnapshotPart(
            {kChangeFormat, data::kSchemaVersion, manifest.replica, number}, part);
        // A part its readers would refuse (changes of enormous texts) is never written.
        if (bytes.isEmpty())
            return Text::tr("a change is too long for a snapshot");
        const QString name = snapshotPartName(manifest.upTo, number);
        if (const QString failure = writeWhole(own, name, bytes); !failure.isEmpty())
            return failure;
        manifest.parts.push_back(describePart(name, bytes));
        start = end;
    }
    return {};
}

// Deletes the change files up to `upTo` and every snapshot part but `keep`.
void removeFolded(const QString& own, qint64 upTo, const std::vector<SnapshotPart>& keep) {
    QSet<QString> kept;
    for (const SnapshotPart& part : keep)
        kept.insert(part.name);
    for (const QString& name : QDir(own).entryList(QDir::Files)) {
        const std::optional<qint64> seq = seqOfChangeFile(name);
        if ((seq && *seq <= upTo) || (isSnapshotPartName(name) && !kept.contains(name)))
            QFile::remove(QDir(own).filePath(name));
    }
}

} // namespace

qint64 snapshotCoverage(const QString& folder) {
    const std::optional<SnapshotManifest> manifest =
        decodeManifest(readAll(QDir(folder).filePath(snapshotManifestName())));
    return manifest ? manifest->upTo : 0;
}

QString foldOwnChanges(const QSqlDatabase& db, const QString& root, const QString& ownId) {
    const QString own = QDir(root).filePath(ownId);
    const QByteArray manifestBytes = readAll(QDir(own).filePath(snapshotManifestName()));
    const std::optional<SnapshotManifest> previous = decodeManifest(manifestBytes);
    // A manifest this program cannot take as its own is left as it is, and what it covers.
    if (!manifestBytes.isEmpty() &&
        (!previous || previous->replica != ownId || previous->format > kChangeFormat ||
         previous->schema > data::kSchemaVersion))
        return {};
    const qint64 from = previous ? previous->upTo : 0;
    // What a fold cut short left behind.
    removeFolded(own, from, previous ? previous->parts : std::vector<SnapshotPart>());
    const QMap<qint64, QString> files = changeFiles(own);
    qint64 written = from;
    while (files.contains(written + 1))
        ++written;
    const qint64 upTo = std::min(written, readByAll(db, root, ownId, written));
    if (upTo - from < foldThreshold)
        return {};
    std::vector<ChangeEvent> events;
    if (previous && !appendSnapshot(own, *previous, events))
        return {};
    const qint64 folded = appendOwnFiles(own, ownId, from, upTo, events);
    if (folded - from < foldThreshold)
        return {};
    SnapshotManifest next;
    next.schema = data::kSchemaVersion;
    next.replica = ownId;
    next.upTo = folded;
    QString failure = writeParts(own, compactChanges(events), next);
    if (failure.isEmpty())
        failure = writeWhole(own, snapshotManifestName(), encodeManifest(next));
    if (!failure.isEmpty()) {
        removeFolded(own, from, previous ? previous->parts : std::vector<SnapshotPart>());
        return Text::tr("The changes every machine has read stay in the sync folder, as "
                        "they could not be folded: %1")
            .arg(failure);
    }
    removeFolded(own, folded, next.parts);
    return {};
}

void setFoldThresholdForTesting(int files) {
    foldThreshold = files > 0 ? files : kFoldThreshold;
}

void setSnapshotPartLengthForTesting(qsizetype length) {
    partLength = length > 0 ? length : kPartLength;
}

} // namespace syncing
