// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/KvtmlMediaFolder.h"

#include "data/RegularFile.h"
#include "decks/Deck.h"
#include "media/MediaKind.h"
#include "media/MediaStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

QString extensionOf(media::Kind kind) {
    switch (kind) {
    case media::Kind::Png:
        return QStringLiteral("png");
    case media::Kind::Jpeg:
        return QStringLiteral("jpg");
    case media::Kind::Gif:
        return QStringLiteral("gif");
    case media::Kind::WebP:
        return QStringLiteral("webp");
    case media::Kind::Svg:
        return QStringLiteral("svg");
    case media::Kind::Wav:
        return QStringLiteral("wav");
    case media::Kind::Mp3:
        return QStringLiteral("mp3");
    case media::Kind::Ogg:
        return QStringLiteral("ogg");
    case media::Kind::Opus:
        return QStringLiteral("opus");
    case media::Kind::Unknown:
        break;
    }
    return QStringLiteral("bin");
}

[[noreturn]] void cannotWrite(const QString& path, const QString& why) {
    throw DeckError(Text::tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), why));
}

} // namespace

QString mediaFolderOf(const QString& kvtmlPath) {
    return kvtmlPath + QStringLiteral(".media");
}

bool safeMediaFileName(const QString& name) {
    if (name.isEmpty() || name.size() > 100 || name.startsWith(QLatin1Char('.')) ||
        name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-') &&
            c != QLatin1Char('_') && c != QLatin1Char(' '))
            return false;
    }
    return true;
}

MediaFolderWriter::MediaFolderWriter(const QSqlDatabase& db, const QString& kvtmlPath)
    : db_(db), folder_(mediaFolderOf(kvtmlPath)),
      prefix_(QFileInfo(folder_).fileName() + QLatin1Char('/')) {}

QString MediaFolderWriter::write(const QString& hash) {
    if (const auto known = byHash_.constFind(hash); known != byHash_.constEnd())
        return *known;
    const std::optional<media::StoredMedia> stored = media::loadMedia(db_, hash);
    if (!stored)
        return {};
    QString name = QFileInfo(stored->name).fileName();
    if (!safeMediaFileName(name) || taken_.contains(name.toLower()))
        name = hash + QLatin1Char('.') + extensionOf(media::kindOf(stored->data));
    if (!QDir().mkpath(folder_))
        cannotWrite(folder_, Text::tr("the folder cannot be made"));
    const QString path = QDir(folder_).filePath(name);
    if (const QString refused = data::specialFileRefusal(path, data::FileUse::Write);
        !refused.isEmpty())
        throw DeckError(refused);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(stored->data) != stored->data.size() ||
        !out.commit())
        cannotWrite(path, out.errorString());
    taken_.insert(name.toLower());
    return byHash_[hash] = prefix_ + name;
}

} // namespace decks
