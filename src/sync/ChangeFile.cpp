// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/ChangeFile.h"

#include <QCryptographicHash>

namespace syncing {
namespace {

const QByteArray kMagic = QByteArrayLiteral("memorant-changes");

QByteArray checksum(const QByteArray& bytes, qsizetype length) {
    return QCryptographicHash::hash(QByteArrayView(bytes.constData(), length),
                                    QCryptographicHash::Sha256)
        .toHex();
}

bool readHeader(const QByteArray& line, ChangeHeader& header) {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() != 5 || words[0] != kMagic)
        return false;
    bool okFormat = false, okSchema = false, okSeq = false;
    header.format = words[1].toInt(&okFormat);
    header.schema = words[2].toInt(&okSchema);
    header.replica = QString::fromLatin1(words[3]);
    header.seq = words[4].toLongLong(&okSeq);
    return okFormat && okSchema && okSeq && header.seq > 0 && !header.replica.isEmpty();
}

} // namespace

QByteArray escapeField(const QString& field) {
    if (field.isNull())
        return QByteArrayLiteral("\\N");
    const QByteArray utf8 = field.toUtf8();
    QByteArray out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapeField(const QByteArray& field, bool* ok) {
    *ok = true;
    if (field == "\\N")
        return QString();
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == field.size()) {
            *ok = false;
            return {};
        }
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            *ok = false;
            return {};
        }
    }
    // Never null: an empty text stays empty, as only "\N" means no value.
    return out.isEmpty() ? QStringLiteral("") : QString::fromUtf8(out);
}

QByteArray encodeChanges(const ChangeHeader& header, const std::vector<ChangeEvent>& events) {
    QByteArray body = kMagic + ' ' + QByteArray::number(header.format) + ' ' +
                      QByteArray::number(header.schema) + ' ' + header.replica.toLatin1() + ' ' +
                      QByteArray::number(header.seq) + '\n';
    for (const ChangeEvent& e : events) {
        QByteArray line;
        for (qsizetype i = 0; i < e.fields.size(); ++i) {
            if (i > 0)
                line += '\t';
            line += escapeField(e.fields[i]);
        }
        body += line + '\n';
    }
    return body + "end " + QByteArray::number(body.size()) + ' ' + checksum(body, body.size()) +
           '\n';
}

ReadChanges decodeChanges(const QByteArray& bytes, int schemaVersion) {
    ReadChanges result;
    const qsizetype firstEnd = bytes.indexOf('\n');
    if (firstEnd < 0 || !readHeader(bytes.left(firstEnd), result.header)) {
        // A header cut short is a file still arriving; anything else is not a change file.
        result.status = kMagic.startsWith(bytes.left(kMagic.size())) && firstEnd < 0
                            ? ReadStatus::Cut
                            : ReadStatus::Malformed;
        return result;
    }
    if (result.header.format > kChangeFormat) {
        result.status = ReadStatus::NewerFormat;
        return result;
    }
    if (result.header.schema > schemaVersion) {
        result.status = ReadStatus::NewerSchema;
        return result;
    }
    // The closing line names the length of what comes before it.
    if (!bytes.endsWith('\n')) {
        result.status = ReadStatus::Cut;
        return result;
    }
    const qsizetype lastStart = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
    const QList<QByteArray> closing = bytes.mid(lastStart, bytes.size() - 1 - lastStart).split(' ');
    bool okLength = false;
    const qsizetype length = closing.size() == 3 ? closing[1].toLongLong(&okLength) : -1;
    if (closing.size() != 3 || closing[0] != "end" || !okLength) {
        result.status = ReadStatus::Cut;
        return result;
    }
    if (length != lastStart || closing[2] != checksum(bytes, lastStart)) {
        result.status = ReadStatus::BadChecksum;
        return result;
    }
    std::vector<ChangeEvent> events;
    const qsizetype bodyLength = lastStart - firstEnd - 2; // -1: no change at all
    const QList<QByteArray> lines =
        bodyLength < 0 ? QList<QByteArray>() : bytes.mid(firstEnd + 1, bodyLength).split('\n');
    for (const QByteArray& line : lines) {
        ChangeEvent event;
        for (const QByteArray& raw : line.split('\t')) {
            bool ok = false;
            event.fields << unescapeField(raw, &ok);
            if (!ok) {
                result.status = ReadStatus::Malformed;
                return result;
            }
        }
        if (event.kind().size() != 1) {
            result.status = ReadStatus::Malformed;
            return result;
        }
        events.push_back(std::move(event));
    }
    result.events = std::move(events);
    result.status = ReadStatus::Ok;
    return result;
}

} // namespace syncing
