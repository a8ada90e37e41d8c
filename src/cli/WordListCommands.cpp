// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WordListCommands.h"

#include "data/Counted.h"
#include "data/Database.h"
#include "data/RegularFile.h"
#include "data/Sql.h"
#include "sets/rules/StoredText.h"
#include "wordlist/WordListExport.h"
#include "wordlist/WordListImport.h"

#include <QFileInfo>
#include <QTextStream>

namespace cli {
namespace {

const QString kSetMissing = QStringLiteral("--set needs the name of the new set");
const QString kEncodingMisuse = QStringLiteral("--encoding takes utf-8, utf-16 or windows-1252");

// The options of import-list as the import takes them; an error message, or empty.
QString readOptions(const CommandArgs& args, wordlist::ListOptions& options) {
    options.setName = args.value(QStringLiteral("--set"));
    if (args.has(QStringLiteral("--set")) && options.setName.trimmed().isEmpty())
        return kSetMissing;
    if (args.has(QStringLiteral("--separator"))) {
        const QString given = args.value(QStringLiteral("--separator"));
        options.separator = wordlist::separatorFromText(given);
        if (!options.separator)
            return QStringLiteral("--separator takes one character other than a quote, or "
                                  "\"tab\"; \"%1\" is none")
                .arg(given);
    }
    if (args.has(QStringLiteral("--encoding"))) {
        options.encoding = data::encodingFromText(args.value(QStringLiteral("--encoding")));
        if (!options.encoding)
            return kEncodingMisuse;
    }
    if (args.has(QStringLiteral("--header|--no-header")))
        options.header =
            args.value(QStringLiteral("--header|--no-header")) == QStringLiteral("--header");
    options.columns.multi = args.has(QStringLiteral("--multi"));
    if (args.operands.isEmpty())
        return QStringLiteral("import-list needs the file to import");
    return {};
}

} // namespace

const CommandEntry& importListEntry() {
    static const CommandEntry entry{
        QStringLiteral("import-list"),
        {.operands = QStringLiteral("FILE"),
         .options = {{.word = QStringLiteral("--set"),
                      .value = QStringLiteral("NAME"),
                      .missing = kSetMissing},
                     {.word = QStringLiteral("--separator"),
                      .value = QStringLiteral("C"),
                      .missing = QStringLiteral("--separator needs a character, or \"tab\"")},
                     {.word = QStringLiteral("--header|--no-header")},
                     {.word = QStringLiteral("--multi")},
                     {.word = QStringLiteral("--encoding"),
                      .value = QStringLiteral("utf-8|utf-16|windows-1252"),
                      .missing = kEncodingMisuse}}},
        QStringLiteral("add a CSV or tab-separated word list as a new set"),
        runImportList};
    return entry;
}

const CommandEntry& exportListEntry() {
    static const CommandEntry entry{QStringLiteral("export-list"),
                                    {.operands = QStringLiteral("SETNAME FILE")},
                                    QStringLiteral("write a set as a tab-separated word list"),
                                    runExportList};
    return entry;
}

int runImportList(const CommandContext& context) {
    const CommandArgs args = parseArgs(importListEntry(), context.args);
    wordlist::ListOptions options;
    const QString misuse = args.misuse.isEmpty() ? readOptions(args, options) : args.misuse;
    if (!misuse.isEmpty())
        return commandMisused(misuse);
    const QString file = args.operands.first();

    // The list is looked at before the database is locked: a file that is not a regular one
    // or that holds a stray byte is refused at once, and nothing waits on it.
    wordlist::ListFile list;
    try {
        list = wordlist::readListFile(file, options.encoding.value_or(data::TextEncoding::Detect));
    } catch (const wordlist::WordListError& e) {
        return commandFailed(e.message());
    }
    if (list.encoding.badLine > 0)
        return commandFailed(
            QStringLiteral("%1, line %2: this line holds a byte that is not UTF-8, though the "
                           "rest of the file is UTF-8; nothing was added. Name the file's "
                           "encoding with --encoding utf-8, utf-16 or windows-1252.")
                .arg(QFileInfo(file).fileName())
                .arg(list.encoding.badLine));

    return addFromFile(context, file, [&](const data::Progress& progress) {
        const wordlist::ListImportOutcome done =
            wordlist::importList(data::mainConnection(), list, options, progress);
        QString line = QStringLiteral("Imported %1 from %2 into the new set \"%3\"")
                           .arg(data::counted(done.cards, QStringLiteral("card")),
                                QFileInfo(file).fileName(), done.setName);
        if (done.skipped > 0)
            line += QStringLiteral("; %1 skipped")
                        .arg(data::counted(done.skipped, QStringLiteral("row")));
        if (!done.guessedHeader.isEmpty())
            line += QStringLiteral("; %1 was taken as a header (--no-header keeps it as a card)")
                        .arg(done.guessedHeader);
        if (done.nameCut)
            line += QStringLiteral("; ") + sets::namesCutNote(1);
        return line + QLatin1Char('.');
    });
}

int runExportList(const CommandContext& context) {
    if (const std::optional<int> refused = openForSetExport(context, QStringLiteral("export-list")))
        return *refused;
    const QString& setName = context.args[0];
    const QString& file = context.args[1];
    try {
        const wordlist::ListExportOutcome done =
            wordlist::exportList(data::mainConnection(), setName, file);
        QString line = QStringLiteral("Exported %1 of the set \"%2\" to %3.")
                           .arg(data::counted(done.cards, QStringLiteral("card")), setName, file);
        if (const QString note = wordlist::listExportNote(done); !note.isEmpty())
            line += QLatin1Char(' ') + note;
        return commandDone(line);
    } catch (const wordlist::WordListError& e) {
        return commandFailed(e.message());
    } catch (const data::DbError& e) {
        return commandFailed(QStringLiteral("The set could not be read: %1").arg(e.message()));
    }
}

} // namespace cli
