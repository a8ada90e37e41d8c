// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/ChangeFile.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace syncing {

// A machine's change files that every other machine has read are folded into one snapshot:
// the changes compacted, written as parts, and last a manifest naming them. A machine that
// joins late, or finds the next file it wants folded away, reads the snapshot instead.

// The manifest's name in a machine's folder. Replaced whole at each fold.
QString snapshotManifestName();

// "snapshot-0000000100-0003.chz": the third part of the snapshot that covers the change
// files up to 100. Never read as a change file, and never rewritten under the same name.
QString snapshotPartName(qint64 upTo, int part);
bool isSnapshotPartName(const QString& fileName);

struct SnapshotPart {
    QString name;
    qint64 bytes = 0;  // as the part lies in the folder
    QByteArray sha256; // of those bytes, in hex
};

// "memorant-snapshot <format> <schema> <replica> <upTo>", a line "part <name> <bytes>
// <sha256>" per part in their order, and last "end <bytes> <sha256>" over everything before
// it, as in a change file.
struct SnapshotManifest {
    int format = kChangeFormat;
    int schema = 0;
    QString replica;
    qint64 upTo = 0; // the change files 1..upTo are in the parts
    std::vector<SnapshotPart> parts;
};
QByteArray encodeManifest(const SnapshotManifest& manifest);
// nullopt for anything but a whole manifest that holds together. A manifest of a newer
// format or schema is returned as it is: the caller tells the learner to update.
std::optional<SnapshotManifest> decodeManifest(const QByteArray& bytes);

// A part is a change file (header seq = the part's number, from 1) compressed by zlib with
// its length in front (qCompress). Parts are kept at most this long before compression, so a
// reader never holds a huge one.
constexpr qsizetype kMaxPartLength = qsizetype{16} * 1024 * 1024;
// Empty when the changes are longer than that.
QByteArray encodeSnapshotPart(const ChangeHeader& header, const std::vector<ChangeEvent>& events);
// Unpacks and reads a part; a length over kMaxPartLength or a broken stream is Malformed.
ReadChanges decodeSnapshotPart(const QByteArray& bytes, int schemaVersion);

// How the manifest names the part `bytes` written as `name`.
SnapshotPart describePart(const QString& name, const QByteArray& bytes);
// Whether `bytes` are the part the manifest names: their length and SHA-256.
bool partMatches(const SnapshotPart& part, const QByteArray& bytes);

} // namespace syncing
