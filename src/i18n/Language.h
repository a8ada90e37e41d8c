// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace i18n {

// The languages the interface speaks, English first: "en", "de", "fr", "es".
QStringList offeredLanguages();

// The language's own name, as a learner looks for it in a list ("Deutsch").
QString languageName(const QString& code);

// The language the learner chose on this machine; English when none was chosen, whatever the
// system's language, so the designed captions are what a learner sees first.
QString chosenLanguage();

// Remembers the choice on this machine only: it is no part of the database, so sync and the
// exchange file never carry it.
void rememberLanguage(const QString& code);

// The system's language when the interface has a translation for it and it is not English;
// empty otherwise.
QString systemLanguageOffered();

// Loads the interface's texts (and Qt's own, for the standard buttons) in that language and
// drops those of the language before; open windows get a LanguageChange event. Needs the
// application object. False, changing nothing, for a language not offered.
[[nodiscard]] bool useLanguage(const QString& code);

// The language in use: English until useLanguage chose another.
QString languageInUse();

} // namespace i18n
