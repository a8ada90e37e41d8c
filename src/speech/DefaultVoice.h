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

} // namespace present
