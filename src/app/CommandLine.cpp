#include "app/CommandLine.h"

#include "app/Commands.h"

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
        } else if (!arg.startsWith(QLatin1Char('-')) && findCommand(arg)) {
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

QString usageText() {
    QString text = QStringLiteral("Usage: memorant [--db PATH | --user-data]\n");
    for (const CommandEntry& c : commands())
        text += QStringLiteral("       memorant [--db PATH] %1\n").arg(c.usage);
    text += QStringLiteral("\n"
                           "  --db PATH   the database file (default: VIze.mdb in the current "
                           "folder);\n"
                           "              a missing file is created with a sample set when the "
                           "window opens;\n"
                           "              commands never create one\n"
                           "  --user-data the database VIze.mdb in your data folder (see Files "
                           "below),\n"
                           "              made on first start; the menu entry uses it\n"
                           "  --version   print the version\n"
                           "  --help      print this text\n");
    if (!commands().empty()) {
        text += QStringLiteral("\nCommands (they need no display):\n");
        for (const CommandEntry& c : commands())
            text += QStringLiteral("  %1\n      %2\n").arg(c.usage, c.summary);
    }
    return text;
}

} // namespace app
