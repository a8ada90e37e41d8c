// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace syncing {

// The version of the change-file format this program writes and reads.
constexpr int kChangeFormat = 1;

// One change: its kind letter first, then its fields. A field may be null (sent as "\N").
struct ChangeEvent {
    QStringList fields;
    QString kind() const { return fields.value(0); }
    QString at(int i) const { return fields.value(i); }
};

struct ChangeHeader {
    int format = kChangeFormat;
    int schema = 0;
    QString replica;
    qint64 seq = 0;
};

// A change file: "memorant-changes <format> <schema> <replica> <seq>", one change a line with
// tab-separated escaped fields, and last "end <bytes> <sha256>" over everything before it,
// so a file cut short or changed on the way is known and never applied in part.
QByteArray encodeChanges(const ChangeHeader& header, const std::vector<ChangeEvent>& events);

enum class ReadStatus { Ok, Cut, BadChecksum, Malformed, NewerFormat, NewerSchema };

struct ReadChanges {
    ReadStatus status = ReadStatus::Malformed;
    ChangeHeader header;
    std::vector<ChangeEvent> events;
};

// Reads a whole change file. Anything but Ok leaves `events` empty. A file from a newer schema
// than `schemaVersion` is reported as such and not read further.
ReadChanges decodeChanges(const QByteArray& bytes, int schemaVersion);

// The field forms: tab, newline, carriage return and backslash escaped; null as "\N".
QByteArray escapeField(const QString& field);
// nullopt-free: a malformed escape makes `ok` false.
QString unescapeField(const QByteArray& field, bool* ok);

} // namespace syncing
