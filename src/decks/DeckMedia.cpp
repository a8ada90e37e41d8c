// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckMedia.h"

#include "media/MediaKind.h"

namespace decks {

MediaTally& tallyOf(DeckContent& content, media::Slot slot) {
    return slot == media::Slot::Picture ? content.pictures : content.sounds;
}

QString mediaRefusal(const QString& fileName, const QByteArray& bytes, media::Slot slot) {
    if (QString why = media::refusal(fileName, bytes); !why.isEmpty())
        return why;
    // A sound named as a picture would be refused when stored, and the whole import with it.
    const media::Kind kind = media::sniff(bytes.left(64 * 1024)).kind;
    if (slot == media::Slot::Picture && !media::isPicture(kind))
        return QStringLiteral("\"%1\" is a sound, not a picture.").arg(fileName);
    if (slot == media::Slot::Sound && !media::isSound(kind))
        return QStringLiteral("\"%1\" is a picture, not a sound.").arg(fileName);
    return {};
}

void takeMedia(DeckContent& content, DeckCard& card, media::Slot slot, const QByteArray& bytes,
               const QString& fileName) {
    MediaTally& tally = tallyOf(content, slot);
    const QString why = mediaRefusal(fileName, bytes, slot);
    if (!why.isEmpty()) {
        ++tally.refused;
        content.mediaRefusals << why;
        return;
    }
    ++tally.kept;
    (slot == media::Slot::Picture ? card.picture : card.sound) = DeckMedia{bytes, fileName};
}

} // namespace decks
