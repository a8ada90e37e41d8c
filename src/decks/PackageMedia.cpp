// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/PackageMedia.h"

#include "decks/DeckMedia.h"
#include "decks/Varint.h"
#include "decks/ZipMember.h"
#include "media/MediaKind.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <zip.h>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

[[noreturn]] void refuse(const QString& why) {
    throw DeckError(why);
}

// No media list of a real deck comes near this, however many files it holds.
constexpr qint64 kLargestMediaMap = qint64(64) << 20;

// A zip member's bytes (zstd-decompressed when `zstd`), read as they come and never more than
// `most` and one byte besides: what the archive claims is not believed.
QByteArray readMember(zip_t* z, zip_uint64_t index, bool zstd, qint64 most,
                      const PackageLimits& limits, const QString& what) {
    const qint64 packed = packedSize(z, index, what);
    QByteArray out;
    // False once there is more than `most`: the rest is not wanted.
    streamMember(z, index, zstd, what, [&](const char* data, qint64 n) {
        out.append(data, qsizetype(std::min<qint64>(n, most + 1 - qint64(out.size()))));
        if (limits.exceeded(out.size(), packed))
            refuse(Text::tr("%1 unpacks to far more than it holds packed, which no real "
                            "deck does")
                       .arg(what));
        return out.size() <= most;
    });
    return out;
}

quint64 varint(const QByteArray& b, qsizetype& at) {
    bool ok = true;
    const quint64 v = readVarint(b, at, ok);
    if (!ok)
        refuse(Text::tr("its media list is damaged"));
    return v;
}

// Calls `field(number, wireType, at)` for each field of the message; the callback reads a
// field it knows (moving `at`) and returns true, or returns false to have it skipped.
template <typename Field> void eachField(const QByteArray& m, Field field) {
    qsizetype at = 0;
    while (at < m.size()) {
        const quint64 key = varint(m, at);
        if (field(key >> 3, key & 7, at))
            continue;
        quint64 skip = 0;
        switch (key & 7) {
        case 0:
            varint(m, at);
            break;
        case 1:
            skip = 8;
            break;
        case 2:
            skip = varint(m, at);
            break;
        case 5:
            skip = 4;
            break;
        default:
            refuse(Text::tr("its media list is damaged"));
        }
        if (skip > quint64(m.size() - at))
            refuse(Text::tr("its media list is damaged"));
        at += qsizetype(skip);
    }
}

QByteArray lengthDelimited(const QByteArray& m, qsizetype& at) {
    const quint64 length = varint(m, at);
    if (length > quint64(m.size() - at))
        refuse(Text::tr("its media list is damaged"));
    const QByteArray bytes = m.mid(at, qsizetype(length));
    at += qsizetype(length);
    return bytes;
}

} // namespace

QHash<QString, QString> jsonMediaMap(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        refuse(Text::tr("its media list cannot be read (not valid JSON)"));
    QHash<QString, QString> map;
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString name = it.value().toString();
        if (!name.isEmpty() && !map.contains(name))
            map.insert(name, it.key());
    }
    return map;
}

QHash<QString, QString> protobufMediaMap(const QByteArray& message) {
    QHash<QString, QString> map;
    int index = 0;
    eachField(message, [&](quint64 number, quint64 type, qsizetype& at) {
        if (number != 1 || type != 2)
            return false;
        const QByteArray entry = lengthDelimited(message, at);
        QString name;
        std::optional<quint64> legacy;
        eachField(entry, [&](quint64 n, quint64 t, qsizetype& i) {
            if (n == 1 && t == 2) {
                name = QString::fromUtf8(lengthDelimited(entry, i));
                return true;
            }
            if (n == 255 && t == 0) {
                legacy = varint(entry, i);
                return true;
            }
            return false;
        });
        const QString member = QString::number(legacy ? *legacy : quint64(index));
        ++index;
        if (!name.isEmpty() && !map.contains(name))
            map.insert(name, member);
        return true;
    });
    return map;
}

void PackageMedia::Closer::operator()(zip* z) const {
    zip_discard(z);
}

PackageMedia::PackageMedia(const QString& path, const PackageLimits& limits) : limits_(limits) {
    int error = 0;
    archive_.reset(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
    if (!archive_)
        refuse(Text::tr("this is not a deck package (not a readable zip archive)"));
    const zip_int64_t index = zip_name_locate(archive_.get(), "media", 0);
    if (index < 0)
        return; // a package without pictures or sounds
    // A zstd frame begins so; a JSON map never does.
    const QByteArray head = readMember(archive_.get(), zip_uint64_t(index), false, 3, limits_,
                                       Text::tr("its media list"));
    zstd_ = head == QByteArray("\x28\xB5\x2F\xFD", 4);
    const QByteArray map = readMember(archive_.get(), zip_uint64_t(index), zstd_, kLargestMediaMap,
                                      limits_, Text::tr("its media list"));
    if (map.size() > kLargestMediaMap)
        refuse(Text::tr("its media list is larger than any deck needs"));
    if (zstd_)
        members_ = protobufMediaMap(map);
    else if (!map.trimmed().isEmpty())
        members_ = jsonMediaMap(map);
}

PackageMedia::~PackageMedia() = default;

std::optional<QByteArray> PackageMedia::read(const QString& name, qint64 most) {
    auto member = members_.constFind(name);
    if (member == members_.constEnd())
        member = members_.constFind(name.normalized(QString::NormalizationForm_C));
    if (member == members_.constEnd())
        return std::nullopt;
    const zip_int64_t index = zip_name_locate(archive_.get(), member->toUtf8().constData(), 0);
    if (index < 0)
        return std::nullopt;
    return readMember(archive_.get(), zip_uint64_t(index), zstd_, most, limits_,
                      QStringLiteral("\"%1\"").arg(name));
}

void takeNoteMedia(PackageMedia& media, DeckContent& content, DeckCard& card,
                   const QStringList& pictures, const QStringList& sounds) {
    const qint64 most = std::max(media::kLargestPictureBytes, media::kLargestSoundBytes);
    for (const media::Slot slot : {media::Slot::Picture, media::Slot::Sound}) {
        const QStringList& names = slot == media::Slot::Picture ? pictures : sounds;
        if (names.isEmpty())
            continue;
        MediaTally& tally = tallyOf(content, slot);
        tally.extra += int(names.size()) - 1;
        std::optional<QByteArray> bytes;
        try {
            bytes = media.read(names.first(), most);
        } catch (const DeckError& e) {
            // One damaged file costs its card the picture or sound, not the whole deck.
            ++tally.refused;
            content.mediaRefusals << e.message();
            continue;
        }
        if (!bytes)
            ++tally.missing;
        else
            takeMedia(content, card, slot, *bytes, names.first());
    }
}

} // namespace decks
