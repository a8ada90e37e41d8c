// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckMedia.h"

#include "media/MediaKind.h"

#include <QCoreApplication>

namespace decks {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};
} // namespace

MediaTally& tallyOf(DeckContent& content, media::Slot slot) {
    return slot == media::Slot::Picture ? content.pictures : content.sounds;
}

QString mediaRefusal(const QString& fileName, const QByteArray& bytes, media::Slot slot) {
    if (QString why = media::refusal(fileName, bytes); !why.isEmpty())
        return why;
    // A sound named as a picture would be refused when stored, and the whole import with it.
    const media::Kind kind = media::kindOf(bytes);
    if (slot == media::Slot::Picture && !media::isPicture(kind))
        return Text::tr("\"%1\" is a sound, not a picture.").arg(fileName);
    if (slot == media::Slot::Sound && !media::isSound(kind))
        return Text::tr("\"%1\" is a picture, not a sound.").arg(fileName);
    return {};
}

void takeMedia(DeckContent& content, DeckCard& card, media::Slot slot, const QByteArray& bytes,
               const QString& fileName, qint64 total) {
    MediaTally& tally = tallyOf(content, slot);
    QString why = mediaRefusal(fileName, bytes, slot);
    if (why.isEmpty() && content.mediaBytes + bytes.size() > total)
        why = Text::tr("\"%1\" was left out: the cards' pictures and "
                       "sounds together would pass %2 MB.")
                  .arg(fileName)
                  .arg(total >> 20);
    if (!why.isEmpty()) {
        ++tally.refused;
        content.mediaRefusals << why;
        return;
    }
    ++tally.kept;
    content.mediaBytes += bytes.size();
    (slot == media::Slot::Picture ? card.picture : card.sound) = DeckMedia{bytes, fileName};
}

} // namespace decks
