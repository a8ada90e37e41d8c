#pragma once

#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
    QString databasePath = QStringLiteral("VIze.mdb");
    bool showHelp = false;
    bool showVersion = false;
    QString error; // a message for the user when the arguments cannot be understood
};

// Reads the program's arguments (without the program name).
CommandLine parseCommandLine(const QStringList& arguments);

QString usageText();

} // namespace app
