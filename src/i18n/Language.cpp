// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <map>
#include <memory>

namespace i18n {
namespace {

// Where the choice is kept: the user's configuration folder, beside nothing the database
// knows about.
QSettings machineSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Memorant"),
                     QStringLiteral("Memorant"));
}

const QString kLanguageKey = QStringLiteral("interface/language");

struct Loaded {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
};

Loaded& loaded() {
    static Loaded l;
    return l;
}

std::unique_ptr<QTranslator> loadTranslator(const QString& file, const QString& folder) {
    auto t = std::make_unique<QTranslator>();
    if (!t->load(file, folder))
        return {};
    return t;
}

} // namespace

QStringList offeredLanguages() {
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString languageName(const QString& code) {
    // Fixed, since a locale would name a variety ("American English").
    static const std::map<QString, QString> names{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")}};
    const auto found = names.find(code);
    return found == names.end() ? code : found->second;
}

QString chosenLanguage() {
    const QString stored = machineSettings().value(kLanguageKey).toString();
    return offeredLanguages().contains(stored) ? stored : QStringLiteral("en");
}

void rememberLanguage(const QString& code) {
    if (!offeredLanguages().contains(code))
        return;
    QSettings settings = machineSettings();
    settings.setValue(kLanguageKey, code);
    settings.sync();
}

QString systemLanguageOffered() {
    const QString code = QLocale::languageToCode(QLocale::system().language());
    return code != QStringLiteral("en") && offeredLanguages().contains(code) ? code : QString();
}

bool useLanguage(const QString& code) {
    if (!offeredLanguages().contains(code) || !QCoreApplication::instance())
        return false;
    Loaded& l = loaded();
    // Set before the windows hear of the change, which they may at once.
    l.code = code;
    if (l.ours)
        QCoreApplication::removeTranslator(l.ours.get());
    if (l.qts)
        QCoreApplication::removeTranslator(l.qts.get());
    // English has a file too: it holds the singular forms of "%n cards".
    l.ours = loadTranslator(QStringLiteral("memorant_") + code, QStringLiteral(":/i18n"));
    l.qts = code == QStringLiteral("en")
                ? nullptr
                : loadTranslator(QStringLiteral("qtbase_") + code,
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (l.qts)
        QCoreApplication::installTranslator(l.qts.get());
    if (l.ours)
        QCoreApplication::installTranslator(l.ours.get());
    return true;
}

QString languageInUse() {
    return loaded().code;
}

} // namespace i18n
