// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Snapshot.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QtEndian>

namespace syncing {
namespace {

const QByteArray kManifestMagic = QByteArrayLiteral("memorant-snapshot");

QByteArray sha256Hex(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool readManifestHeader(const QByteArray& line, SnapshotManifest& m) {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() != 5 || words[0] != kManifestMagic)
        return false;
    bool okFormat = false, okSchema = false, okUpTo = false;
    m.format = words[1].toInt(&okFormat);
    m.schema = words[2].toInt(&okSchema);
    m.replica = QString::fromLatin1(words[3]);
    m.upTo = words[4].toLongLong(&okUpTo);
    return okFormat && okSchema && okUpTo && m.upTo > 0 && m.replica.size() == 32;
}

std::optional<SnapshotPart> readPartLine(const QByteArray& line) {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() != 4 || words[0] != "part")
        return std::nullopt;
    SnapshotPart part;
    part.name = QString::fromLatin1(words[1]);
    bool okBytes = false;
    part.bytes = words[2].toLongLong(&okBytes);
    part.sha256 = words[3];
    if (!okBytes || part.bytes < 0 || !isSnapshotPartName(part.name) || part.sha256.size() != 64)
        return std::nullopt;
    return part;
}

} // namespace

QString snapshotManifestName() {
    return QStringLiteral("snapshot");
}

QString snapshotPartName(qint64 upTo, int part) {
    return QStringLiteral("snapshot-%1-%2.chz")
        .arg(upTo, 10, 10, QLatin1Char('0'))
        .arg(part, 4, 10, QLatin1Char('0'));
}

bool isSnapshotPartName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^snapshot-[0-9]{10,18}-[0-9]{4,9}\\.chz$"));
    return pattern.match(fileName).hasMatch();
}

QByteArray encodeManifest(const SnapshotManifest& manifest) {
    QByteArray body = kManifestMagic + ' ' + QByteArray::number(manifest.format) + ' ' +
                      QByteArray::number(manifest.schema) + ' ' + manifest.replica.toLatin1() +
                      ' ' + QByteArray::number(manifest.upTo) + '\n';
    for (const SnapshotPart& part : manifest.parts)
        body += "part " + part.name.toLatin1() + ' ' + QByteArray::number(part.bytes) + ' ' +
                part.sha256 + '\n';
    return body + "end " + QByteArray::number(body.size()) + ' ' + sha256Hex(body) + '\n';
}

std::optional<SnapshotManifest> decodeManifest(const QByteArray& bytes) {
    if (!bytes.endsWith('\n'))
        return std::nullopt;
    const qsizetype lastStart = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
    const QList<QByteArray> closing = bytes.mid(lastStart, bytes.size() - 1 - lastStart).split(' ');
    bool okLength = false;
    if (closing.size() != 3 || closing[0] != "end" ||
        closing[1].toLongLong(&okLength) != lastStart || !okLength ||
        closing[2] != sha256Hex(QByteArrayView(bytes.constData(), lastStart)))
        return std::nullopt;
    const QList<QByteArray> lines = bytes.left(lastStart).split('\n');
    SnapshotManifest m;
    // The body ends with a newline, so its last piece is empty.
    if (lines.size() < 2 || !readManifestHeader(lines[0], m))
        return std::nullopt;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        std::optional<SnapshotPart> part = readPartLine(lines[i]);
        if (!part)
            return std::nullopt;
        m.parts.push_back(std::move(*part));
    }
    return m;
}

QByteArray encodeSnapshotPart(const ChangeHeader& header, const std::vector<ChangeEvent>& events) {
    const QByteArray raw = encodeChanges(header, events);
    return raw.size() > kMaxPartLength ? QByteArray() : qCompress(raw);
}

ReadChanges decodeSnapshotPart(const QByteArray& bytes, int schemaVersion) {
    // The length in front is checked first: qUncompress would make room for any length.
    if (bytes.size() < 4)
        return {};
    const quint32 length = qFromBigEndian<quint32>(bytes.constData());
    if (length == 0 || length > static_cast<quint32>(kMaxPartLength))
        return {};
    const QByteArray unpacked = qUncompress(bytes);
    if (unpacked.size() != static_cast<qsizetype>(length))
        return {};
    return decodeChanges(unpacked, schemaVersion);
}

SnapshotPart describePart(const QString& name, const QByteArray& bytes) {
    return {name, bytes.size(), sha256Hex(bytes)};
}

bool partMatches(const SnapshotPart& part, const QByteArray& bytes) {
    return bytes.size() == part.bytes && sha256Hex(bytes) == part.sha256;
}

} // namespace syncing
