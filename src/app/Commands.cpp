#include "app/Commands.h"

#include "app/BackupCommands.h"
#include "app/CommandLine.h"
#include "app/DeckCommands.h"
#include "app/ExchangeCommands.h"
#include "app/StatsCommand.h"
#include "app/WordListCommands.h"
#include "data/Database.h"
#include "data/DatabaseLock.h"

#include <QTextStream>

namespace app {

const std::vector<CommandEntry>& commands() {
    // One line per command; each command lives in its own file.
    static const std::vector<CommandEntry> table = {
        {QStringLiteral("export"), QStringLiteral("export FILE"),
         QStringLiteral("write the whole database to the exchange file FILE"), exportCommand},
        {QStringLiteral("import"), QStringLiteral("import [--with-log] FILE"),
         QStringLiteral("merge the exchange file FILE into the database (with its log rows)"),
         importCommand},
        {QStringLiteral("backup"), QStringLiteral("backup [FILE]"),
         QStringLiteral(
             "write a consistent copy now, to FILE or into backups/ beside the database"),
         backupCommand},
        {QStringLiteral("check"), QStringLiteral("check"),
         QStringLiteral("check the database for damage (exit status 1 when damaged)"),
         checkCommand},
        {QStringLiteral("import-list"),
         QStringLiteral("import-list FILE [--set NAME] [--separator C] [--header|--no-header] "
                        "[--multi] [--encoding utf-8|utf-16|windows-1252]"),
         QStringLiteral("add a CSV or tab-separated word list as a new set"), runImportList},
        {QStringLiteral("export-list"), QStringLiteral("export-list SETNAME FILE"),
         QStringLiteral("write a set as a tab-separated word list"), runExportList},
        {QStringLiteral("stats"), QStringLiteral("stats [--days N] [--set NAME] [--csv]"),
         QStringLiteral("print the replies per day and per set, as text or CSV"), statsCommand},
        {QStringLiteral("import-deck"), QStringLiteral("import-deck FILE [--set NAME] [--swap]"),
         QStringLiteral("add the cards of a KVTML file or an .apkg/.colpkg deck package"),
         runImportDeck},
        {QStringLiteral("export-deck"), QStringLiteral("export-deck SETNAME FILE"),
         QStringLiteral("write a set as a KVTML 2.0 file"), runExportDeck},
    };
    return table;
}

const CommandEntry* findCommand(const QString& name) {
    for (const CommandEntry& c : commands()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

int commandDone(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
    return 0;
}

int commandFailed(const QString& message) {
    QTextStream(stderr) << "memorant: " << message << Qt::endl;
    return 1;
}

int commandMisused(const QString& message) {
    QTextStream(stderr) << "memorant: " << message << "\n\n" << usageText();
    return 2;
}

QString openForCommand(const QString& path, data::DatabaseLock* lock) {
    if (lock) {
        const QString refused = lock->acquire();
        if (!refused.isEmpty())
            return refused;
    }
    const data::OpenOutcome opened = data::openDatabase(path, /*createIfMissing=*/false);
    return opened.ok ? QString() : opened.message;
}

} // namespace app
