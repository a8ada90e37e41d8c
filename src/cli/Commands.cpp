// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "cli/BackupCommands.h"
#include "cli/DeckCommands.h"
#include "cli/ExchangeCommands.h"
#include "cli/StatsCommand.h"
#include "cli/WordListCommands.h"
#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "exchange/RegularFile.h"

#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

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

namespace {

QTextStream*& currentOut() {
    static QTextStream standard(stdout);
    static QTextStream* current = &standard;
    return current;
}

QTextStream*& currentErr() {
    static QTextStream standard(stderr);
    static QTextStream* current = &standard;
    return current;
}

} // namespace

QTextStream& commandOut() {
    return *currentOut();
}

QTextStream& commandErr() {
    return *currentErr();
}

CommandStreams::CommandStreams(QString* out, QString* err)
    : out_(out), err_(err), previousOut_(currentOut()), previousErr_(currentErr()) {
    currentOut() = &out_;
    currentErr() = &err_;
}

CommandStreams::~CommandStreams() {
    currentOut() = previousOut_;
    currentErr() = previousErr_;
}

int runCommand(const CommandEntry& command, const CommandContext& context) {
    if (context.args.contains(QStringLiteral("--help"))) {
        commandOut() << "Usage: memorant [--db PATH] " << command.usage << "\n\n"
                     << command.summary << Qt::endl;
        return 0;
    }
    return command.run(context);
}

int commandDone(const QString& line) {
    commandOut() << line << Qt::endl;
    return 0;
}

int commandFailed(const QString& message) {
    commandErr() << "memorant: " << message << Qt::endl;
    return 1;
}

int commandMisused(const QString& message) {
    commandErr() << "memorant: " << message << "\n\n" << usageText() << Qt::flush;
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

std::optional<int> openForSetExport(const CommandContext& context, const QString& command) {
    if (context.args.size() != 2)
        return commandMisused(QStringLiteral("%1 needs the set's name and the file").arg(command));
    const QString special = exchange::specialFileRefusal(context.args[1], exchange::FileUse::Write);
    if (!special.isEmpty())
        return commandFailed(special);
    const QString refused = openForCommand(context.databasePath, nullptr);
    if (!refused.isEmpty())
        return commandFailed(refused);
    return std::nullopt;
}

TerminalProgress::TerminalProgress() : terminal_(isatty(fileno(stderr))) {
    clock_.start();
}

std::function<bool(int)> TerminalProgress::callback() {
    if (!terminal_)
        return {};
    return [this](int permille) {
        if (clock_.elapsed() >= 500) {
            std::fprintf(stderr, "\rImporting... %3d%%", permille / 10);
            std::fflush(stderr);
        }
        return true;
    };
}

void TerminalProgress::finish() {
    if (terminal_ && clock_.elapsed() >= 500)
        std::fprintf(stderr, "\n");
}

int nothingAdded(const QString& file, const QString& why) {
    return commandFailed(
        QStringLiteral("%1: nothing was added (%2)").arg(QFileInfo(file).fileName(), why));
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
