// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "cli/Commands.h"
#include "i18n/Language.h"

#include <QCoreApplication>
#include <optional>

namespace app {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

// Why `code` cannot be the interface's language; empty when it can.
QString languageError(const QString& code) {
    const QStringList offered = i18n::offeredLanguages();
    if (code.isEmpty())
        return Text::tr("--lang needs the code of a language: %1")
            .arg(offered.join(QStringLiteral(", ")));
    if (!offered.contains(code))
        return Text::tr("Unknown language \"%1\": --lang takes one of %2")
            .arg(code, offered.join(QStringLiteral(", ")));
    return {};
}

// The value of `--name VALUE` or `--name=VALUE` when `arguments[i]` is that option, moving `i`
// past a value given apart (empty when there is none); nothing for any other argument.
std::optional<QString> optionValue(const QStringList& arguments, int& i, const QString& name) {
    const QString& arg = arguments[i];
    if (arg == name)
        return i + 1 < arguments.size() ? arguments[++i] : QString();
    if (arg.startsWith(name + QLatin1Char('=')))
        return arg.mid(name.size() + 1);
    return std::nullopt;
}

// Two places for one database would leave the user guessing which one was opened.
CommandLine checkDatabaseChoice(CommandLine cl) {
    if (cl.userData && cl.databasePath != CommandLine().databasePath)
        cl.error = Text::tr("--db and --user-data cannot be used together");
    return cl;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine cl;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (const auto path = optionValue(arguments, i, QStringLiteral("--db"))) {
            if (path->isEmpty()) {
                cl.error = Text::tr("--db needs the path of the database file");
                return cl;
            }
            cl.databasePath = *path;
        } else if (const auto code = optionValue(arguments, i, QStringLiteral("--lang"))) {
            cl.error = languageError(*code);
            if (!cl.error.isEmpty())
                return cl;
            cl.language = *code;
        } else if (arg == QStringLiteral("--user-data")) {
            cl.userData = true;
        } else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            cl.showHelp = true;
        } else if (arg == QStringLiteral("--version")) {
            cl.showVersion = true;
        } else if (arg == QStringLiteral("-platform") && i + 1 < arguments.size()) {
            ++i; // Qt's own option, taken by the application object
        } else if (!arg.startsWith(QLatin1Char('-')) && cli::findCommand(arg)) {
            cl.command = arg;
            cl.commandArgs = arguments.mid(i + 1);
            return checkDatabaseChoice(cl);
        } else if (!arg.startsWith(QLatin1Char('-'))) {
            cl.error = Text::tr("Unknown command \"%1\"").arg(arg);
            return cl;
        } else {
            cl.error = Text::tr("Unknown argument \"%1\"").arg(arg);
            return cl;
        }
    }
    return checkDatabaseChoice(cl);
}

} // namespace app
