// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace speech {

// The voice to speak with when the user has chosen none: the locale's language where
// `voices` has it (the regional voice first, then the plain language, then any regional
// variant of it), English otherwise, else the first voice; empty when there are no voices.
QString defaultVoice(const QStringList& voices, const QLocale& locale);

// `stored` when it is one of `voices`, otherwise the default for `locale`.
QString effectiveVoice(const QString& stored, const QStringList& voices, const QLocale& locale);

// The voice a set's questions are spoken in: the set's own when `voices` has it, otherwise
// the database's as effectiveVoice() chooses it.
QString voiceForSet(const QString& setVoice, const QString& databaseVoice,
                    const QStringList& voices, const QLocale& locale);

// How a voice is named in a list: its language and region in words, then its code
// ("German (Germany) – de"). A variant of a region, or a region the code names by a number
// Qt does not know, is told by the engine's own name of the voice (`engineName`, as
// espeak-ng's "English (Received Pronunciation)"): "English (United Kingdom, Received
// Pronunciation) – en-gb-x-rp", "English (Caribbean) – en-029". A code whose language is
// unknown is shown by the engine's name, or as it is.
QString voiceLabel(const QString& voice, const QString& engineName = {});

// A few words to try a voice with: its language's own name for itself ("Deutsch").
QString voiceSample(const QString& voice);

} // namespace speech
