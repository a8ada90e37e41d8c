// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WordListCommands.h"

#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "data/Sql.h"
#include "exchange/RegularFile.h"
#include "wordlist/WordListExport.h"
#include "wordlist/WordListImport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace app {
namespace {

// Parses the words after import-list; an error message, or empty.
QString parseImportArgs(const QStringList& args, QString& file, exchange::ListOptions& options) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QStringLiteral("--set")) {
            if (!hasValue || args[i + 1].trimmed().isEmpty())
                return QStringLiteral("--set needs the name of the new set");
            options.setName = args[++i];
        } else if (a == QStringLiteral("--separator")) {
            if (!hasValue)
                return QStringLiteral("--separator needs a character, or \"tab\"");
            options.separator = exchange::separatorFromText(args[++i]);
            if (!options.separator)
                return QStringLiteral("--separator takes one character other than a quote, "
                                      "or \"tab\"; \"%1\" is none")
                    .arg(args[i]);
        } else if (a == QStringLiteral("--encoding")) {
            options.encoding = hasValue ? exchange::encodingFromText(args[++i]) : std::nullopt;
            if (!options.encoding)
                return QStringLiteral("--encoding takes utf-8, utf-16 or windows-1252");
        } else if (a == QStringLiteral("--header")) {
            options.header = true;
        } else if (a == QStringLiteral("--no-header")) {
            options.header = false;
        } else if (a == QStringLiteral("--multi")) {
            options.columns.multi = true;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return QStringLiteral("Unknown argument \"%1\"").arg(a);
        } else if (file.isEmpty()) {
            file = a;
        } else {
            return QStringLiteral("import-list takes one file; \"%1\" is one too many").arg(a);
        }
    }
    return file.isEmpty() ? QStringLiteral("import-list needs the file to import") : QString();
}

} // namespace

int runImportList(const CommandContext& context) {
    QString file;
    exchange::ListOptions options;
    const QString misuse = parseImportArgs(context.args, file, options);
    if (!misuse.isEmpty())
        return commandMisused(misuse);

    // The list is looked at before the database is locked: a file that is not a regular one
    // or that holds a stray byte is refused at once, and nothing waits on it.
    exchange::ListFile list;
    try {
        list =
            exchange::readListFile(file, options.encoding.value_or(exchange::TextEncoding::Detect));
    } catch (const exchange::WordListError& e) {
        return commandFailed(e.message());
    }
    if (list.encoding.badLine > 0)
        return commandFailed(
            QStringLiteral("%1, line %2: this line holds a byte that is not UTF-8, though the "
                           "rest of the file is UTF-8; nothing was added. Name the file's "
                           "encoding with --encoding utf-8, utf-16 or windows-1252.")
                .arg(QFileInfo(file).fileName())
                .arg(list.encoding.badLine));

    data::DatabaseLock lock(context.databasePath);
    const QString refused = openForCommand(context.databasePath, &lock);
    if (!refused.isEmpty())
        return commandFailed(refused);
    TerminalProgress progress;
    try {
        const exchange::ListImportOutcome done =
            exchange::importList(data::mainConnection(), list, options, progress.callback());
        progress.finish();
        QString line = QStringLiteral("Imported %1 cards from %2 into the new set \"%3\"")
                           .arg(done.cards)
                           .arg(QFileInfo(file).fileName(), done.setName);
        if (done.skipped > 0)
            line += QStringLiteral("; %1 rows skipped").arg(done.skipped);
        if (!done.guessedHeader.isEmpty())
            line += QStringLiteral("; %1 was taken as a header (--no-header keeps it as a card)")
                        .arg(done.guessedHeader);
        return commandDone(line + QLatin1Char('.'));
    } catch (const exchange::WordListError& e) {
        return commandFailed(e.message());
    } catch (const data::DbError& e) {
        return nothingAdded(file, e.message());
    }
}

int runExportList(const CommandContext& context) {
    if (const std::optional<int> refused = openForSetExport(context, QStringLiteral("export-list")))
        return *refused;
    const QString& setName = context.args[0];
    const QString& file = context.args[1];
    try {
        const exchange::ListExportOutcome done =
            exchange::exportList(data::mainConnection(), setName, file);
        return commandDone(QStringLiteral("Exported %1 cards of the set \"%2\" to %3.")
                               .arg(done.cards)
                               .arg(setName, file));
    } catch (const exchange::WordListError& e) {
        return commandFailed(e.message());
    } catch (const data::DbError& e) {
        return commandFailed(QStringLiteral("The set could not be read: %1").arg(e.message()));
    }
}

} // namespace app
