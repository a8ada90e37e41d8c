// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/DefaultVoice.h"

namespace present {

namespace {

// `language` itself, or failing that its first regional variant ("pt" finds "pt-br").
QString findLanguage(const QStringList& voices, const QString& language) {
    for (const QString& v : voices)
        if (v.compare(language, Qt::CaseInsensitive) == 0)
            return v;
    for (const QString& v : voices)
        if (v.startsWith(language + QLatin1Char('-'), Qt::CaseInsensitive))
            return v;
    return {};
}

} // namespace

QString defaultVoice(const QStringList& voices, const QLocale& locale) {
    if (voices.isEmpty())
        return {};
    // "de_AT" -> "de-at", then "de".
    const QString tag = locale.name().replace(QLatin1Char('_'), QLatin1Char('-')).toLower();
    const QString language = tag.section(QLatin1Char('-'), 0, 0);
    if (locale.language() != QLocale::C && !language.isEmpty()) {
        for (const QString& v : voices)
            if (v.compare(tag, Qt::CaseInsensitive) == 0)
                return v;
        if (QString v = findLanguage(voices, language); !v.isEmpty())
            return v;
    }
    if (QString v = findLanguage(voices, QStringLiteral("en")); !v.isEmpty())
        return v;
    return voices.first();
}

QString effectiveVoice(const QString& stored, const QStringList& voices, const QLocale& locale) {
    if (!stored.isEmpty() && voices.contains(stored))
        return stored;
    return defaultVoice(voices, locale);
}

} // namespace present
