// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace present {

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
// ("German (Germany) – de", "English (United Kingdom) – en-gb-scotland"); a code whose
// language is unknown is shown as it is.
QString voiceLabel(const QString& voice);

// A few words to try a voice with: its language's own name for itself ("Deutsch").
QString voiceSample(const QString& voice);

} // namespace present
