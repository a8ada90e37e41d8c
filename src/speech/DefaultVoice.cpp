// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/DefaultVoice.h"

namespace speech {

namespace {

// `language` itself, or failing that its first regional variant ("pt" finds "pt-br").
// English without a plain "en" (espeak-ng's voice lists since 1.50) is British English, the
// engine's main English voice, not the first in the alphabet ("en-029", Caribbean).
QString findLanguage(const QStringList& voices, const QString& language) {
    for (const QString& v : voices)
        if (v.compare(language, Qt::CaseInsensitive) == 0)
            return v;
    if (language.compare(QStringLiteral("en"), Qt::CaseInsensitive) == 0)
        for (const QString& v : voices)
            if (v.compare(QStringLiteral("en-gb"), Qt::CaseInsensitive) == 0)
                return v;
    for (const QString& v : voices)
        if (v.startsWith(language + QLatin1Char('-'), Qt::CaseInsensitive))
            return v;
    return {};
}

// The parts of an espeak-ng voice code: "en-gb-x-rp" is language "en", region "gb".
struct VoiceCode {
    QLocale::Language language = QLocale::AnyLanguage;
    QLocale::Territory territory = QLocale::AnyTerritory;
    bool regionNamed = false; // the code has a region part, known or not
    bool variant = false;     // parts follow the language and region ("-x-rp", "-scotland")
};

VoiceCode parseCode(const QString& voice) {
    VoiceCode code;
    const QStringList parts = voice.split(QLatin1Char('-'));
    code.language = QLocale::codeToLanguage(parts.value(0));
    const QString region = parts.value(1);
    const bool regionLike = (region.size() == 2 && region.at(0).isLetter()) ||
                            (region.size() == 3 && region.at(0).isDigit());
    if (regionLike) {
        code.regionNamed = true;
        code.territory = QLocale::codeToTerritory(region.toUpper());
    }
    code.variant = parts.size() > (regionLike ? 2 : 1);
    return code;
}

// The words in the closing brackets of an engine's voice name: "Received Pronunciation" of
// "English (Received Pronunciation)"; empty when there are none.
QString bracketedWords(const QString& engineName) {
    const QString name = engineName.trimmed();
    const qsizetype open = name.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !name.endsWith(QLatin1Char(')')))
        return {};
    return name.mid(open + 1, name.size() - open - 2).trimmed();
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

QString voiceForSet(const QString& setVoice, const QString& databaseVoice,
                    const QStringList& voices, const QLocale& locale) {
    if (!setVoice.isEmpty() && voices.contains(setVoice))
        return setVoice;
    return effectiveVoice(databaseVoice, voices, locale);
}

QString voiceLabel(const QString& voice, const QString& engineName) {
    const VoiceCode code = parseCode(voice);
    if (code.language == QLocale::AnyLanguage || code.language == QLocale::C)
        return engineName.trimmed().isEmpty()
                   ? voice
                   : QStringLiteral("%1 \u2013 %2").arg(engineName.trimmed(), voice);
    QLocale::Territory territory = code.territory;
    if (!code.regionNamed && !code.variant) {
        // A code without a region is the language as spoken where QLocale places it ("de":
        // Germany); an unknown region ("en-029") is not guessed.
        const QLocale plain(code.language);
        territory = plain.language() == code.language ? plain.territory() : QLocale::AnyTerritory;
    }
    QStringList details;
    if (territory != QLocale::AnyTerritory)
        details << QLocale::territoryToString(territory);
    QString variant = bracketedWords(engineName);
    // "America, New York City": the region is named already, in Qt's words.
    if (territory != QLocale::AnyTerritory && variant.contains(QLatin1Char(',')))
        variant = variant.section(QLatin1Char(','), 1).trimmed();
    if ((code.variant || (code.regionNamed && territory == QLocale::AnyTerritory)) &&
        !variant.isEmpty())
        details << variant;
    QString words = QLocale::languageToString(code.language);
    if (!details.isEmpty())
        words += QStringLiteral(" (%1)").arg(details.join(QStringLiteral(", ")));
    return QStringLiteral("%1 \u2013 %2").arg(words, voice);
}

QString voiceSample(const QString& voice) {
    const VoiceCode code = parseCode(voice);
    if (code.language == QLocale::AnyLanguage || code.language == QLocale::C)
        return voice;
    const QString own = QLocale(code.language, code.territory).nativeLanguageName();
    return own.isEmpty() ? QLocale::languageToString(code.language) : own;
}

} // namespace speech
