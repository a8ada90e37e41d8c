// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <optional>

namespace syncing {

// The folder every machine's changes sit in, inside the folder the learner chose.
QString syncRoot(const QString& chosenFolder);

// Names a sync tool uses while it is still writing or has set aside (".syncthing.x.tmp",
// "~syncthing~x", "x.sync-conflict-...", "x.part", "x.tmp", any name starting with "." or
// "~"): never read as a change.
bool isTransientName(const QString& fileName);

// "0000000042.chg" for the 42nd change file of a machine; the number back, or none for any
// other name.
QString changeFileName(qint64 seq);
std::optional<qint64> seqOfChangeFile(const QString& fileName);

// A machine's change files in its folder by their numbers, without a sync tool's own files.
QMap<qint64, QString> changeFiles(const QString& folder);

// A file's bytes; empty when it cannot be read.
QByteArray readAll(const QString& path);

// Writes `bytes` as `folder/name` whole or not at all: under a temporary name starting with
// ".", flushed to the disk, renamed, and the folder flushed. Empty on success, else why not;
// nothing is left under `name` on failure.
// Tests that write thousands of files turn the flushing off; the renaming stays.
void setFlushForTesting(bool flush);
[[nodiscard]] QString writeWhole(const QString& folder, const QString& name,
                                 const QByteArray& bytes);

// The small file each machine keeps beside its changes: who it is and how far it has read
// every other machine.
struct ReplicaState {
    QString replica;
    QString name;
    int schema = 0;
    QString changedAt; // ISO time of its last change file
    QHash<QString, qint64> read;
};
QByteArray encodeState(const ReplicaState& state);
std::optional<ReplicaState> decodeState(const QByteArray& bytes);

} // namespace syncing
