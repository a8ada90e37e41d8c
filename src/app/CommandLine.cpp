// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "cli/Commands.h"

namespace app {

namespace {

// Two places for one database would leave the user guessing which one was opened.
CommandLine checkDatabaseChoice(CommandLine cl) {
    if (cl.userData && cl.databasePath != CommandLine().databasePath)
        cl.error = QStringLiteral("--db and --user-data cannot be used together");
    return cl;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine cl;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QStringLiteral("--db")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                cl.error = QStringLiteral("--db needs the path of the database file");
                return cl;
            }
            cl.databasePath = arguments[++i];
        } else if (arg.startsWith(QStringLiteral("--db="))) {
            cl.databasePath = arg.mid(5);
            if (cl.databasePath.isEmpty()) {
                cl.error = QStringLiteral("--db needs the path of the database file");
                return cl;
            }
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
            cl.error = QStringLiteral("Unknown command \"%1\"").arg(arg);
            return cl;
        } else {
            cl.error = QStringLiteral("Unknown argument \"%1\"").arg(arg);
            return cl;
        }
    }
    return checkDatabaseChoice(cl);
}

} // namespace app
