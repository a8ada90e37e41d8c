#include "exchange/ExchangeFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace exchange {
namespace {

// Windows-1252 where it differs from Latin-1 (0x80 to 0x9F); 0 marks an unused byte,
// which is read as itself.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t high = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : 0;
        *dst++ = QChar(high ? high : char16_t(b));
    }
    return out;
}

QString writeFailure(const QString& path, const QString& reason) {
    return QStringLiteral("The exchange file \"%1\" could not be written: %2. The file that was "
                          "there before is unchanged.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString defaultExchangePath() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\ExportBuffer.txt");
#else
    return QDir::home().filePath(QStringLiteral("ExportBuffer.txt"));
#endif
}

QString companionPath(const QString& exchangePath) {
    return exchangePath + QStringLiteral(".multi");
}

QString decodeExchangeBytes(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

std::vector<QStringView> splitLines(const QString& text) {
    std::vector<QStringView> lines;
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        const bool last = end < 0;
        if (last)
            end = all.size();
        QStringView line = all.sliced(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

ExchangeLines readExchangeLines(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw ExchangeError(QStringLiteral("The exchange file \"%1\" does not exist.")
                                .arg(QDir::toNativeSeparators(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeError(QStringLiteral("The exchange file \"%1\" cannot be read: %2.")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ExchangeError(QStringLiteral("The exchange file \"%1\" cannot be read: %2.")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    ExchangeLines out;
    out.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    out.text = decodeExchangeBytes(bytes);
    out.lines = splitLines(out.text);
    return out;
}

LineWriter::LineWriter(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::WriteOnly))
        throw ExchangeError(writeFailure(path, file_.errorString()));
}

void LineWriter::writeLine(const QString& line) {
    pending_ += line.toUtf8();
    pending_ += "\r\n";
    if (pending_.size() >= 1 << 16)
        flush();
}

void LineWriter::flush() {
    hash_.addData(pending_);
    if (file_.write(pending_) != pending_.size())
        throw ExchangeError(writeFailure(file_.fileName(), file_.errorString()));
    pending_.clear();
}

void LineWriter::commit() {
    flush();
    if (!file_.commit())
        throw ExchangeError(writeFailure(file_.fileName(), file_.errorString()));
}

} // namespace exchange
