// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/CsvReader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <csv.h>

namespace wordlist {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(WordList)
};

// Everything is data: libcsv would otherwise drop blanks and tabs around unquoted fields.
int noSpace(unsigned char) {
    return 0;
}

// The most libcsv is given at once, so that a field too long is noticed before it fills
// memory.
constexpr qsizetype kPiece = qsizetype(64) * 1024;

QString tooLong() {
    return Text::tr("a text is longer than 1,000,000 characters");
}

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The characters of UTF-8 text: every byte that does not continue a sequence.
qsizetype characters(const char* data, size_t length) {
    qsizetype n = 0;
    for (size_t i = 0; i < length; ++i)
        n += (static_cast<unsigned char>(data[i]) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

} // namespace

// libcsv does not count lines: the stream feeds it one line at a time and notes the line
// where each record's first content came.
struct CsvStream::State {
    csv_parser parser{};
    bool ready = false;
    CsvRowSink sink;
    CsvRow row;
    int currentLine = 0;
    bool atLineStart = true;
    bool pendingCr = false; // the last piece ended with CR; an LF next belongs to it
    int recordStart = 0;    // the line where the record being read began; 0 between records
    int recordsEnded = 0;
    bool stopped = false;
    CsvProblem problem;

    int lineOfRecord() const { return recordStart ? recordStart : currentLine; }
    void fail(int line, const QString& message) {
        if (!stopped)
            problem = {line, message};
        stopped = true;
    }

    static void onField(void* data, size_t length, void* context) {
        auto* s = static_cast<State*>(context);
        const auto* bytes = static_cast<const char*>(data);
        if (s->stopped)
            return;
        if (length > size_t(kMaxFieldChars) && characters(bytes, length) > kMaxFieldChars) {
            s->fail(s->lineOfRecord(), tooLong());
            return;
        }
        QString field = QString::fromUtf8(bytes, static_cast<qsizetype>(length));
        if (field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
            field.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            field.replace(QLatin1Char('\n'), QLatin1Char(' '));
            field.replace(QLatin1Char('\r'), QLatin1Char(' '));
        }
        s->row.fields.append(field);
    }

    static void onRecordEnd(int, void* context) {
        auto* s = static_cast<State*>(context);
        ++s->recordsEnded;
        if (!s->stopped) {
            s->row.line = s->lineOfRecord();
            if (!s->sink(s->row))
                s->stopped = true;
        }
        s->row.fields.clear();
    }

    void parse(QByteArrayView piece) {
        if (csv_parse(&parser, piece.data(), size_t(piece.size()), onField, onRecordEnd, this) !=
            size_t(piece.size()))
            fail(currentLine, QString::fromLatin1(csv_strerror(csv_error(&parser))));
    }
};

CsvStream::CsvStream(char separator, CsvRowSink sink) : d_(std::make_unique<State>()) {
    d_->sink = std::move(sink);
    d_->ready = csv_init(&d_->parser, 0) == 0;
    if (!d_->ready) {
        d_->fail(1, Text::tr("the reader could not be started"));
        return;
    }
    csv_set_delim(&d_->parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&d_->parser, noSpace);
    // Grown by 64 KB at a time, not 128 bytes: a long text is not copied over and over.
    csv_set_blk_size(&d_->parser, size_t{64} * 1024);
}

CsvStream::~CsvStream() {
    if (d_->ready)
        csv_free(&d_->parser);
}

bool CsvStream::feed(QByteArrayView data) {
    State& s = *d_;
    while (!data.isEmpty() && !s.stopped) {
        if (s.pendingCr && data.front() == '\n') {
            s.parse(data.first(1));
            data = data.sliced(1);
            s.pendingCr = false;
            continue;
        }
        s.pendingCr = false;
        if (s.atLineStart && s.recordStart == 0) {
            // Blank lines between records make nothing: they are only counted, which keeps a
            // file of nothing but line breaks quick.
            qsizetype i = 0;
            bool lastCr = false;
            for (; i < data.size() && isLineEnd(data[i]); ++i) {
                if (data[i] == '\r' || !lastCr)
                    ++s.currentLine;
                lastCr = data[i] == '\r';
            }
            if (i > 0) {
                s.pendingCr = lastCr;
                data = data.sliced(i);
                continue;
            }
        }
        if (s.atLineStart) {
            ++s.currentLine;
            s.atLineStart = false;
        }
        qsizetype n = std::min(data.size(), kPiece);
        bool ended = false;
        for (qsizetype i = 0; i < n; ++i) {
            if (isLineEnd(data[i])) {
                n = i + 1;
                ended = true;
                break;
            }
        }
        const QByteArrayView piece = data.first(n);
        if (piece.contains('\0')) {
            s.fail(s.currentLine,
                   Text::tr("this is not a text list (it holds a NUL character; a UTF-16 "
                            "file needs its byte order mark or its encoding chosen)"));
            break;
        }
        const int ends = s.recordsEnded;
        s.parse(piece);
        if (s.recordsEnded != ends)
            s.recordStart = 0;
        else if (s.recordStart == 0 && (n > 1 || !ended))
            s.recordStart = s.currentLine;
        if (s.parser.entry_pos > size_t(4 * kMaxFieldChars))
            s.fail(s.lineOfRecord(), tooLong()); // more bytes than any such text can have
        if (ended) {
            s.atLineStart = true;
            s.pendingCr = piece.back() == '\r';
        }
        data = data.sliced(n);
    }
    return !s.stopped;
}

CsvProblem CsvStream::finish() {
    State& s = *d_;
    if (s.stopped)
        return s.problem;
    // Strict only now: a stray quote inside a field is kept as it is, but a quoted field
    // still open at the end would swallow the rest of the file.
    csv_set_opts(&s.parser, CSV_STRICT | CSV_STRICT_FINI);
    const int line = s.lineOfRecord();
    if (csv_fini(&s.parser, State::onField, State::onRecordEnd, &s) != 0)
        s.fail(line, Text::tr("a quoted field is not closed"));
    return s.problem;
}

CsvProblem readCsv(const QString& text, char separator, const CsvRowSink& sink) {
    CsvStream stream(separator, sink);
    stream.feed(text.toUtf8());
    return stream.finish();
}

void SeparatorScore::add(const CsvRow& row) {
    fieldCounts_.append(static_cast<int>(row.fields.size()));
}

int SeparatorScore::score() const {
    QMap<int, int> records; // field count -> records with it
    int best = 0;
    for (int n : fieldCounts_) {
        if (n >= 2)
            best = std::max(best, ++records[n]);
    }
    return best;
}

char chooseSeparator(const int scores[3], const QString& path) {
    static constexpr char kOrder[3] = {'\t', ';', ','};
    const int best = std::max({scores[0], scores[1], scores[2]});
    const QString suffix = QFileInfo(path).suffix().toLower();
    const char named = suffix == QStringLiteral("csv")   ? ','
                       : suffix == QStringLiteral("tsv") ? '\t'
                                                         : 0;
    for (int i = 0; i < 3; ++i) {
        if (kOrder[i] == named && scores[i] == best)
            return named;
    }
    for (int i = 0; i < 3; ++i) {
        if (scores[i] == best)
            return kOrder[i];
    }
    return '\t';
}

char detectSeparator(const QString& text, const QString& path) {
    int scores[3] = {};
    int i = 0;
    for (char candidate : {'\t', ';', ','}) {
        SeparatorScore score;
        int records = 0;
        readCsv(text, candidate, [&](const CsvRow& row) {
            score.add(row);
            return ++records < SeparatorScore::kRecords;
        });
        scores[i++] = score.score();
    }
    return chooseSeparator(scores, path);
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

} // namespace wordlist
