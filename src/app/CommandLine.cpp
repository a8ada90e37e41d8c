#include "app/CommandLine.h"

namespace app {

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
        } else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            cl.showHelp = true;
        } else if (arg == QStringLiteral("--version")) {
            cl.showVersion = true;
        } else if (arg == QStringLiteral("-platform") && i + 1 < arguments.size()) {
            ++i; // Qt's own option, already taken by QApplication
        } else {
            cl.error = QStringLiteral("Unknown argument \"%1\"").arg(arg);
            return cl;
        }
    }
    return cl;
}

QString usageText() {
    return QStringLiteral("Usage: memorant [--db PATH]\n"
                          "\n"
                          "  --db PATH   the database file (default: VIze.mdb in the current "
                          "folder);\n"
                          "              a missing file is created with a sample set\n"
                          "  --version   print the version\n"
                          "  --help      print this text\n");
}

} // namespace app
