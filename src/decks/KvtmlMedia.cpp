// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/KvtmlMedia.h"

#include "data/RegularFile.h"
#include "decks/DeckMedia.h"
#include "media/MediaKind.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

struct Wanted {
    qsizetype card;
    media::Slot slot;
    QString file;     // links followed
    QString fileName; // as the reference named it
};

// The bytes of a file a card may keep, never more than the largest of them and one byte
// besides (so that an overlong file is told from one just within the limit).
void readInto(DeckContent& content, DeckCard& card, const Wanted& w) {
    MediaTally& tally = tallyOf(content, w.slot);
    QFile f(w.file);
    if (!data::specialFileRefusal(w.file, data::FileUse::Read).isEmpty() ||
        !QFileInfo(w.file).isFile() || !f.open(QIODevice::ReadOnly)) {
        ++tally.refused;
        content.mediaRefusals
            << Text::tr("\"%1\" cannot be read: it is not a regular file, or not readable.")
                   .arg(w.fileName);
        return;
    }
    const QByteArray bytes =
        f.read(std::max(media::kLargestPictureBytes, media::kLargestSoundBytes) + 1);
    takeMedia(content, card, w.slot, bytes, w.fileName);
}

} // namespace

QString mediaFilePath(const QString& kvtmlPath, const QString& reference) {
    const QString ref = reference.trimmed();
    if (ref.isEmpty())
        return {};
    // Only "file:" and "scheme://" are addresses: a file name may hold a colon.
    static const QRegularExpression address(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    QString local = ref;
    if (ref.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        local = QUrl(ref).toLocalFile();
    else if (address.match(ref).hasMatch())
        return {}; // a web address is not fetched
    if (local.isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(kvtmlPath).absoluteDir().absoluteFilePath(local));
}

bool insideFolder(const QString& folder, const QString& file) {
    const QString f = QFileInfo(folder).canonicalFilePath();
    const QString c = QFileInfo(file).canonicalFilePath();
    return !f.isEmpty() && !c.isEmpty() &&
           c.startsWith(f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/'));
}

void takeKvtmlMedia(const QString& kvtmlPath, QList<DeckCard>& cards,
                    const QList<EntryMedia>& media, DeckContent& content,
                    const DeckReading& reading) {
    Q_ASSERT(cards.size() == media.size());
    const QString folder = QFileInfo(kvtmlPath).absolutePath();
    QList<Wanted> inside, outside;
    for (qsizetype i = 0; i < media.size(); ++i) {
        for (const media::Slot slot : {media::Slot::Picture, media::Slot::Sound}) {
            const QStringList& refs =
                slot == media::Slot::Picture ? media[i].pictures : media[i].sounds;
            if (refs.isEmpty())
                continue;
            MediaTally& tally = tallyOf(content, slot);
            tally.extra += int(refs.size()) - 1;
            const QString path = mediaFilePath(kvtmlPath, refs.first());
            const QFileInfo info(path);
            if (path.isEmpty() || !info.exists()) {
                ++tally.missing;
                continue;
            }
            const Wanted w{i, slot, info.canonicalFilePath(), info.fileName()};
            (insideFolder(folder, path) ? inside : outside) << w;
        }
    }
    if (!outside.isEmpty()) {
        QStringList files;
        for (const Wanted& w : outside)
            files << w.file;
        files.removeDuplicates();
        if (reading.allowOutside && reading.allowOutside(files)) {
            inside += outside;
        } else {
            for (const Wanted& w : outside)
                ++tallyOf(content, w.slot).outside;
        }
    }
    for (const Wanted& w : inside)
        readInto(content, cards[w.card], w);
}

} // namespace decks
