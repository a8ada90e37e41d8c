// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"
#include "media/MediaStore.h"

namespace decks {

MediaTally& tallyOf(DeckContent& content, media::Slot slot);

// Why the bytes may not be a card's picture (or sound), naming `fileName`; empty when they may.
QString mediaRefusal(const QString& fileName, const QByteArray& bytes, media::Slot slot);

// The cards' media are held in memory until they are stored: past this, the rest are left out.
constexpr qint64 kLargestMediaTotal = qint64(1) << 30;

// Gives the card the file as its picture or sound when it may be kept and the cards' media
// stay within `total`, else counts it (the reason kept for the summary). Either way the
// content's tally says what became of it.
void takeMedia(DeckContent& content, DeckCard& card, media::Slot slot, const QByteArray& bytes,
               const QString& fileName, qint64 total = kLargestMediaTotal);

} // namespace decks
