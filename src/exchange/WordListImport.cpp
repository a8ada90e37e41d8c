#include "exchange/WordListImport.h"

#include "data/Sql.h"
#include "exchange/CsvReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace exchange {
namespace {

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

[[noreturn]] void fail(const QString& path, int line, const QString& why) {
    throw WordListError(
        line > 0 ? QStringLiteral("%1, line %2: %3").arg(fileName(path)).arg(line).arg(why)
                 : QStringLiteral("%1: %2").arg(fileName(path), why));
}

// A statement prepared once and run for every row, which keeps a long list fast.
class Prepared {
  public:
    Prepared(const QSqlDatabase& db, const QString& sql) : q_(db) {
        if (!q_.prepare(sql))
            throw data::DbError(q_.lastError().text());
    }
    QVariant run(std::initializer_list<QVariant> binds) {
        int i = 0;
        for (const QVariant& v : binds)
            q_.bindValue(i++, v);
        if (!q_.exec())
            throw data::DbError(q_.lastError().text());
        return q_.lastInsertId();
    }

  private:
    QSqlQuery q_;
};

QStringList setNames(const QSqlDatabase& db) {
    QStringList names;
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT SetName FROM Set1"));
    while (q.next())
        names << q.value(0).toString();
    return names;
}

} // namespace

ListFile readListFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(path, 0, QStringLiteral("the file cannot be read (%1)").arg(f.errorString()));
    ListFile file;
    file.path = path;
    file.decoded = decodeText(f.readAll());
    if (f.error() != QFileDevice::NoError)
        fail(path, 0, QStringLiteral("the file cannot be read (%1)").arg(f.errorString()));
    const qsizetype nul = file.decoded.text.indexOf(QChar(0));
    if (nul >= 0) {
        const int line = static_cast<int>(file.decoded.text.left(nul).count(QLatin1Char('\n'))) + 1;
        fail(path, line,
             QStringLiteral("this is not a text list (it holds a NUL character; a UTF-16 file "
                            "needs its byte order mark)"));
    }
    file.separator = detectSeparator(file.decoded.text);
    bool first = true;
    readCsv(file.decoded.text, file.separator, [&](const CsvRow& row) {
        if (first)
            file.header = looksLikeHeader(row.fields, ColumnChoice{});
        first = false;
        return false;
    });
    return file;
}

ListPreview previewList(const ListFile& file, char separator, bool header,
                        const ColumnChoice& columns, int maxRows) {
    ListPreview preview;
    bool first = true;
    const CsvProblem problem = readCsv(file.decoded.text, separator, [&](const CsvRow& row) {
        preview.columnCount = std::max(preview.columnCount, static_cast<int>(row.fields.size()));
        if (first && header) {
            first = false;
            preview.header = row.fields;
            return true;
        }
        first = false;
        preview.rows.append({row.line, row.fields, cardFromRow(row.fields, columns)});
        return preview.rows.size() < maxRows;
    });
    if (problem.line > 0)
        preview.problem = QStringLiteral("Line %1: %2").arg(problem.line).arg(problem.message);
    return preview;
}

ListImportOutcome importList(const QSqlDatabase& db, const ListFile& file,
                             const ListOptions& options, const ListProgress& progress) {
    const char separator = options.separator.value_or(file.separator);
    const bool header = options.header.value_or(file.header);
    const ColumnChoice& columns = options.columns;
    if (columns.question == columns.answer || columns.question < 0 || columns.answer < 0)
        fail(file.path, 0,
             QStringLiteral("the question and the answer need two different columns"));
    const QString text = file.decoded.text;
    const int lines = std::max<int>(1, static_cast<int>(text.count(QLatin1Char('\n'))) + 1);

    ListImportOutcome outcome;
    data::Transaction t(db);
    const QString base =
        options.setName.trimmed().isEmpty() ? setNameForFile(file.path) : options.setName;
    outcome.setName = uniqueSetName(setNames(db), base);
    data::exec(db, QStringLiteral("INSERT INTO Set1 (SetName) VALUES (?)"), {outcome.setName});
    const QVariant setId = data::scalar(db, QStringLiteral("SELECT last_insert_rowid()"));

    Prepared addCard(db, QStringLiteral("INSERT INTO Card (Question, Answer) VALUES (?, ?)"));
    Prepared relate(db, QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)"));
    Prepared addAnswer(
        db, QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)"));
    const QVariant multiMark = QStringLiteral("Multi");

    // The reader runs inside a C library: nothing may be thrown across it, so a failure is
    // kept and the reading stopped.
    int failedLine = 0;
    QString failure;
    bool first = true;
    const CsvProblem problem = readCsv(text, separator, [&](const CsvRow& row) {
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
            const bool multi = card.multiAnswer();
            const QVariant cardId =
                addCard.run({card.question, multi ? multiMark : card.answers.first()});
            relate.run({setId, cardId});
            if (multi) {
                for (const QString& answer : card.answers)
                    addAnswer.run({cardId, answer});
            }
        } catch (const data::DbError& e) {
            failedLine = row.line;
            failure = QStringLiteral("the card could not be stored (%1)").arg(e.message());
            return false;
        }
        ++outcome.cards;
        if (progress && outcome.cards % 512 == 0 &&
            !progress(static_cast<int>(qint64(row.line) * 1000 / lines))) {
            failure = QStringLiteral("the import was cancelled");
            return false;
        }
        return true;
    });
    if (!failure.isEmpty())
        fail(file.path, failedLine, failure + QStringLiteral("; nothing was added"));
    if (problem.line > 0)
        fail(file.path, problem.line, problem.message + QStringLiteral("; nothing was added"));
    if (outcome.cards == 0)
        fail(file.path, 0,
             QStringLiteral("no row has both a question and an answer (%1 skipped); nothing was "
                            "added")
                 .arg(outcome.skipped));
    // A new card's order key is its id, as for a card typed into the grid.
    data::exec(db,
               QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID IN "
                              "(SELECT Card_ID FROM Set_Card_rel WHERE Set_ID = ?)"),
               {setId});
    t.commit();
    if (progress)
        progress(1000);
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

} // namespace exchange
