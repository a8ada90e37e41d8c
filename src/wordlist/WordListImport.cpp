// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/WordListImport.h"

#include "data/RegularFile.h"
#include "data/Sql.h"
#include "sets/rules/NewSet.h"
#include "sets/rules/SetRules.h"
#include "wordlist/CsvReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <memory>

namespace wordlist {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(WordList)
};

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

[[noreturn]] void fail(const QString& path, int line, const QString& why) {
    throw WordListError(line > 0
                            ? Text::tr("%1, line %2: %3").arg(fileName(path)).arg(line).arg(why)
                            : QStringLiteral("%1: %2").arg(fileName(path), why));
}

// Reads the file through in pieces, giving each with the bytes read so far to `take` until
// it returns false. Only a regular file is read.
void readThrough(const QString& path, const std::function<bool(QByteArrayView, qint64)>& take) {
    const QString refused = data::specialFileRefusal(path, data::FileUse::Read);
    if (!refused.isEmpty())
        throw WordListError(refused);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(path, 0, Text::tr("the file cannot be read (%1)").arg(f.errorString()));
    QByteArray piece(1 << 20, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        const qint64 n = f.read(piece.data(), piece.size());
        if (n < 0)
            fail(path, 0, Text::tr("the file cannot be read (%1)").arg(f.errorString()));
        if (n == 0)
            return;
        done += n;
        if (!take(QByteArrayView(piece.constData(), n), done))
            return;
    }
}

QStringList setNames(const QSqlDatabase& db) {
    QStringList names;
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT SetName FROM Set1"));
    while (q.next())
        names << q.value(0).toString();
    return names;
}

} // namespace

ListFile readListFile(const QString& path, data::TextEncoding encoding) {
    ListFile file;
    file.path = path;
    file.requested = encoding;
    data::EncodingScan scan;
    readThrough(path, [&](QByteArrayView bytes, qint64 done) {
        scan.add(bytes);
        file.size = done;
        return true;
    });
    file.encoding = scan.resolve(encoding);
    if (file.encoding.badLine)
        return file;

    // One pass tries the three separators side by side on the first records, read whole.
    struct Trial {
        char separator;
        SeparatorScore score;
        CsvRow first;
        int records = 0;
        std::unique_ptr<CsvStream> stream;
    };
    Trial trials[3] = {{'\t', {}, {}, 0, {}}, {';', {}, {}, 0, {}}, {',', {}, {}, 0, {}}};
    for (Trial& t : trials) {
        t.stream = std::make_unique<CsvStream>(t.separator, [&t](const CsvRow& row) {
            if (t.records == 0)
                t.first = row;
            t.score.add(row);
            return ++t.records < SeparatorScore::kRecords;
        });
    }
    data::TextDecoder decoder(file.encoding.form);
    readThrough(path, [&](QByteArrayView bytes, qint64) {
        const QByteArray text = decoder.toUtf8(bytes);
        bool more = false;
        for (Trial& t : trials)
            more = t.stream->feed(text) || more;
        return more;
    });
    const QByteArray rest = decoder.finish();
    for (Trial& t : trials)
        t.stream->feed(rest);
    int scores[3];
    for (int i = 0; i < 3; ++i) {
        trials[i].stream->finish();
        scores[i] = trials[i].score.score();
    }
    file.separator = chooseSeparator(scores, path);
    for (const Trial& t : trials) {
        if (t.separator == file.separator)
            file.firstRow = t.first;
    }
    if (isListHeader(file.firstRow.fields)) {
        file.header = true;
    } else if (looksLikeHeader(file.firstRow.fields, ColumnChoice{})) {
        file.header = true;
        file.headerGuessed = true;
    }
    return file;
}

ListPreview previewList(const ListFile& file, char separator, bool header,
                        const ColumnChoice& columns, int maxRows) {
    ListPreview preview;
    if (file.encoding.badLine) {
        QString why = data::notUtf8Message(file.encoding.badLine);
        why[0] = why[0].toUpper();
        preview.problem = Text::tr("%1; choose the file's encoding.").arg(why);
        return preview;
    }
    bool first = true;
    CsvStream stream(separator, [&](const CsvRow& row) {
        if (first && header) {
            first = false;
            preview.header = row.fields;
            preview.headerLine = row.line;
            preview.columnCount = static_cast<int>(row.fields.size());
            return true;
        }
        first = false;
        ListCard card = cardFromRow(row.fields, columns);
        ++(card.usable() ? preview.cards : preview.skipped);
        if (preview.rows.size() < maxRows) {
            preview.columnCount =
                std::max(preview.columnCount, static_cast<int>(row.fields.size()));
            preview.rows.append({row.line, row.fields, std::move(card)});
        }
        return true;
    });
    data::TextDecoder decoder(file.encoding.form);
    readThrough(file.path,
                [&](QByteArrayView bytes, qint64) { return stream.feed(decoder.toUtf8(bytes)); });
    stream.feed(decoder.finish());
    const CsvProblem problem = stream.finish();
    if (problem.line > 0)
        preview.problem = Text::tr("Line %1: %2.").arg(problem.line).arg(problem.message);
    return preview;
}

ListImportOutcome importList(const QSqlDatabase& db, const ListFile& given,
                             const ListOptions& options, const data::Progress& progress) {
    // Another encoding than the one the file was looked at in: look again.
    const ListFile file = options.encoding && *options.encoding != given.requested
                              ? readListFile(given.path, *options.encoding)
                              : given;
    if (file.encoding.badLine)
        fail(file.path, file.encoding.badLine,
             Text::tr("this line holds a byte that is not UTF-8, though the rest of the "
                      "file is UTF-8; choose the file's encoding; nothing was added"));
    const char separator = options.separator.value_or(file.separator);
    const bool header = options.header.value_or(file.header);
    const ColumnChoice& columns = options.columns;
    if (columns.question == columns.answer || columns.question < 0 || columns.answer < 0)
        fail(file.path, 0, Text::tr("the question and the answer need two different columns"));

    ListImportOutcome outcome;
    if (header && !options.header && file.headerGuessed)
        outcome.guessedHeader = describeHeaderLine(file.firstRow.line, file.firstRow.fields);
    data::Transaction t(db);
    const QString base =
        options.setName.trimmed().isEmpty() ? sets::setNameForFile(file.path) : options.setName;
    outcome.setName = sets::uniqueSetName(setNames(db), base);
    outcome.nameCut = sets::setNameCut(base, outcome.setName);
    sets::NewSetWriter writer(db);
    const QVariant setId = writer.addSet(outcome.setName);

    // The reader runs inside a C library: nothing may be thrown across it, so a failure is
    // kept and the reading stopped.
    int failedLine = 0;
    QString failure;
    bool first = true;
    qint64 bytesRead = 0;
    CsvStream stream(separator, [&](const CsvRow& row) {
        if (first && header) {
            first = false;
            return true;
        }
        first = false;
        const ListCard card = cardFromRow(row.fields, columns);
        if (!card.usable()) {
            ++outcome.skipped;
            return true;
        }
        try {
            if (!writer.addCard(setId, card.question, card.answers)) {
                ++outcome.skipped;
                return true;
            }
        } catch (const data::DbError& e) {
            failedLine = row.line;
            failure = Text::tr("the card could not be stored (%1)").arg(e.message());
            return false;
        }
        ++outcome.cards;
        if (progress && outcome.cards % 512 == 0 && !progress(bytesRead, file.size)) {
            failure = Text::tr("the import was cancelled");
            return false;
        }
        return true;
    });
    data::TextDecoder decoder(file.encoding.form);
    readThrough(file.path, [&](QByteArrayView bytes, qint64 done) {
        bytesRead = std::min(done, file.size);
        return stream.feed(decoder.toUtf8(bytes));
    });
    stream.feed(decoder.finish());
    const CsvProblem problem = stream.finish();
    if (!failure.isEmpty())
        fail(file.path, failedLine, Text::tr("%1; nothing was added").arg(failure));
    if (problem.line > 0)
        fail(file.path, problem.line, Text::tr("%1; nothing was added").arg(problem.message));
    if (outcome.cards == 0)
        fail(file.path, 0,
             Text::tr("no row has both a question and an answer (%1 skipped); nothing was "
                      "added")
                 .arg(outcome.skipped));
    writer.finishSet(setId);
    t.commit();
    if (progress)
        progress(file.size, file.size);
    return outcome;
}

std::optional<char> separatorFromText(const QString& text) {
    if (text == QStringLiteral("tab") || text == QStringLiteral("\\t"))
        return '\t';
    if (text.size() != 1)
        return std::nullopt;
    const char16_t c = text[0].unicode();
    if (c >= 0x80 || c == '"' || c == '\r' || c == '\n' || (c < 0x20 && c != '\t'))
        return std::nullopt;
    return static_cast<char>(c);
}

} // namespace wordlist
