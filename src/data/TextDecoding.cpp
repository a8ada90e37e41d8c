// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/TextDecoding.h"

#include <QCoreApplication>

namespace data {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Database)
};

// 0x80 to 0x9F, where Windows-1252 differs from Latin-1; 0 where it defines nothing.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Enough of a file's start for its byte order mark and the look of UTF-16 without one.
constexpr qint64 kHeadBytes = qint64(64) * 1024;

QString windows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t mapped = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : 0;
        *out++ = QChar(mapped ? mapped : char16_t(b));
    }
    return text;
}

QStringConverter::Encoding qtEncoding(ByteForm form) {
    switch (form) {
    case ByteForm::Utf16LE:
        return QStringConverter::Utf16LE;
    case ByteForm::Utf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

} // namespace

std::optional<TextEncoding> encodingFromText(const QString& text) {
    const QString t = text.toLower();
    if (t == QStringLiteral("utf-8"))
        return TextEncoding::Utf8;
    if (t == QStringLiteral("utf-16"))
        return TextEncoding::Utf16;
    if (t == QStringLiteral("windows-1252"))
        return TextEncoding::Windows1252;
    return std::nullopt;
}

QString fromWindows1252(const QByteArray& bytes) {
    return windows1252(bytes);
}

QString notUtf8Message(int badLine) {
    return Text::tr("line %1 holds a byte that is not UTF-8, though the rest of the file "
                    "is UTF-8")
        .arg(badLine);
}

void EncodingScan::add(QByteArrayView bytes) {
    if (head_.size() < 4)
        head_ += bytes.first(std::min<qsizetype>(bytes.size(), 4 - head_.size()));
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0 && offset_ < kHeadBytes)
            ++(offset_ % 2 ? zerosOdd_ : zerosEven_);
        ++offset_;
        if (pending_ > 0) {
            if (b >= low_ && b <= high_) {
                low_ = 0x80;
                high_ = 0xBF;
                if (--pending_ == 0)
                    multiByte_ = true;
                continue;
            }
            // The sequence broke off; this byte is read afresh below.
            if (!badLine_)
                badLine_ = sequenceLine_;
            pending_ = 0;
            low_ = 0x80;
            high_ = 0xBF;
        }
        if (b < 0x80) {
            if (b == '\r' || (b == '\n' && !lastWasCr_))
                ++line_;
            lastWasCr_ = b == '\r';
            continue;
        }
        lastWasCr_ = false;
        sequenceLine_ = line_;
        if (b >= 0xC2 && b <= 0xDF) {
            pending_ = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            pending_ = 2;
            if (b == 0xE0)
                low_ = 0xA0; // shorter forms exist
            else if (b == 0xED)
                high_ = 0x9F; // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            pending_ = 3;
            if (b == 0xF0)
                low_ = 0x90;
            else if (b == 0xF4)
                high_ = 0x8F; // beyond U+10FFFF
        } else if (!badLine_) {
            badLine_ = line_;
        }
    }
}

ResolvedEncoding EncodingScan::resolve(TextEncoding requested) const {
    const QByteArrayView head(head_);
    const bool utf8Bom = head.startsWith("\xEF\xBB\xBF");
    const bool littleBom = head.startsWith("\xFF\xFE");
    const bool bigBom = head.startsWith("\xFE\xFF");
    const ResolvedEncoding utf8{ByteForm::Utf8, utf8Bom ? QStringLiteral("UTF-8 with BOM")
                                                        : QStringLiteral("UTF-8")};
    const ResolvedEncoding little{ByteForm::Utf16LE, QStringLiteral("UTF-16LE")};
    const ResolvedEncoding big{ByteForm::Utf16BE, QStringLiteral("UTF-16BE")};
    const ResolvedEncoding cp1252{ByteForm::Windows1252, QStringLiteral("Windows-1252")};
    switch (requested) {
    case TextEncoding::Utf8:
        return utf8;
    case TextEncoding::Utf16:
        if (littleBom || bigBom)
            return littleBom ? little : big;
        // ASCII letters in UTF-16BE put their zero byte first.
        return zerosEven_ > zerosOdd_ ? big : little;
    case TextEncoding::Windows1252:
        return cp1252;
    case TextEncoding::Detect:
        break;
    }
    if (littleBom)
        return little;
    if (bigBom)
        return big;
    const int bad = badLine_ ? badLine_ : (pending_ > 0 ? sequenceLine_ : 0);
    if (!bad)
        return utf8;
    // Only a file without a single valid multi-byte sequence can be an older code page; in
    // any other, one stray byte must not turn every accented letter into two.
    if (!multiByte_ && !utf8Bom)
        return cp1252;
    ResolvedEncoding refused = utf8;
    refused.badLine = bad;
    return refused;
}

TextDecoder::TextDecoder(ByteForm form) : form_(form), decoder_(qtEncoding(form)) {}

QByteArray TextDecoder::toUtf8(QByteArrayView bytes) {
    if (form_ == ByteForm::Windows1252)
        return windows1252(bytes).toUtf8();
    return QString(decoder_.decode(bytes)).toUtf8();
}

QByteArray TextDecoder::finish() {
    if (form_ == ByteForm::Windows1252 || !decoder_.holdsPart())
        return {};
    return QByteArrayLiteral("\xEF\xBF\xBD");
}

DecodedText decodeText(const QByteArray& bytes, TextEncoding encoding) {
    EncodingScan scan;
    scan.add(encoding == TextEncoding::Detect
                 ? QByteArrayView(bytes)
                 : QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), kHeadBytes)));
    const ResolvedEncoding resolved = scan.resolve(encoding);
    if (resolved.badLine)
        return {QString(), QString(), resolved.badLine};
    if (resolved.form == ByteForm::Windows1252)
        return {windows1252(bytes), resolved.name};
    QStringDecoder decoder(qtEncoding(resolved.form), QStringConverter::Flag::Stateless);
    return {decoder.decode(bytes), resolved.name};
}

DecodedText decodeText(const QByteArray& bytes) {
    return decodeText(bytes, TextEncoding::Detect);
}

} // namespace data
