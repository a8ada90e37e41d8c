#include "exchange/CsvReader.h"

#include <csv.h>

namespace exchange {
namespace {

// Everything is data: libcsv would otherwise drop blanks and tabs around unquoted fields.
int noSpace(unsigned char) {
    return 0;
}

// What libcsv's callbacks build up. libcsv does not count lines; the reader feeds it one
// line at a time, and a record's first line is its last less the line feeds inside it.
struct Collector {
    const CsvRowSink* sink = nullptr;
    int currentLine = 0;
    int feedsInRecord = 0;
    int lastEndLine = 0; // the line where the latest record ended
    CsvRow row;
    bool stopped = false;
};

void onField(void* data, size_t length, void* context) {
    auto* c = static_cast<Collector*>(context);
    QString field =
        QString::fromUtf8(static_cast<const char*>(data), static_cast<qsizetype>(length));
    if (field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
        c->feedsInRecord += static_cast<int>(field.count(QLatin1Char('\n')));
        field.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        field.replace(QLatin1Char('\n'), QLatin1Char(' '));
        field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    c->row.fields.append(field);
}

void onRecordEnd(int, void* context) {
    auto* c = static_cast<Collector*>(context);
    c->row.line = c->currentLine - c->feedsInRecord;
    c->lastEndLine = c->currentLine;
    if (!c->stopped && !(*c->sink)(c->row))
        c->stopped = true;
    c->row.fields.clear();
    c->feedsInRecord = 0;
}

class Parser {
  public:
    explicit Parser(char separator) {
        ok_ = csv_init(&p_, 0) == 0;
        if (ok_) {
            csv_set_delim(&p_, static_cast<unsigned char>(separator));
            csv_set_space_func(&p_, noSpace);
        }
    }
    ~Parser() {
        if (ok_)
            csv_free(&p_);
    }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    bool ok() const { return ok_; }
    bool feed(const char* data, size_t length, Collector& c) {
        return csv_parse(&p_, data, length, onField, onRecordEnd, &c) == length;
    }
    bool finish(Collector& c) {
        // Strict only now: a stray quote inside a field is kept as it is, but a quoted field
        // still open at the end would swallow the rest of the file.
        csv_set_opts(&p_, CSV_STRICT | CSV_STRICT_FINI);
        return csv_fini(&p_, onField, onRecordEnd, &c) == 0;
    }
    QString error() { return QString::fromLatin1(csv_strerror(csv_error(&p_))); }

  private:
    csv_parser p_{};
    bool ok_ = false;
};

} // namespace

CsvProblem readCsv(const QString& text, char separator, const CsvRowSink& sink) {
    QByteArray bytes = text.toUtf8();
    // Files from old Macs end lines with CR alone; lines are counted by their LF.
    if (!bytes.contains('\n'))
        bytes.replace('\r', '\n');
    Parser parser(separator);
    if (!parser.ok())
        return {1, QStringLiteral("the reader could not be started")};
    Collector c;
    c.sink = &sink;
    qsizetype start = 0;
    qsizetype afterLastRecord = 0; // where the line after the latest record's end begins
    while (start < bytes.size() && !c.stopped) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        ++c.currentLine;
        if (!parser.feed(bytes.constData() + start, static_cast<size_t>(end - start), c))
            return {c.currentLine, parser.error()};
        if (c.lastEndLine == c.currentLine)
            afterLastRecord = end;
        start = end;
    }
    if (c.stopped || parser.finish(c))
        return {};
    // The only failure left at the end: a quoted field that runs to the end of the file. Its
    // record starts on the first line after the latest record that is not blank.
    int line = c.lastEndLine + 1;
    for (qsizetype at = afterLastRecord; at < bytes.size(); ++line) {
        const qsizetype end = bytes.indexOf('\n', at);
        const QByteArrayView content =
            QByteArrayView(bytes).sliced(at, (end < 0 ? bytes.size() : end) - at);
        if (!content.isEmpty() && content != QByteArrayView("\r"))
            break;
        at = end < 0 ? bytes.size() : end + 1;
    }
    return {line, QStringLiteral("a quoted field is not closed")};
}

char detectSeparator(const QString& text) {
    // A look at the first records is enough, and keeps this cheap on a large file.
    const QString head = text.left(16 * 1024);
    char best = '\t';
    int bestCount = 0;
    for (char candidate : {'\t', ';', ','}) {
        int split = 0;
        int records = 0;
        readCsv(head, candidate, [&](const CsvRow& row) {
            if (row.fields.size() >= 2)
                ++split;
            return ++records < 20;
        });
        if (split > bestCount) {
            best = candidate;
            bestCount = split;
        }
    }
    return best;
}

QString quoteField(const QString& field) {
    static const QString needsQuotes = QStringLiteral("\t\"\r\n");
    bool quote = false;
    for (QChar ch : field) {
        if (needsQuotes.contains(ch)) {
            quote = true;
            break;
        }
    }
    if (!quote)
        return field;
    QString inner = field;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

} // namespace exchange
