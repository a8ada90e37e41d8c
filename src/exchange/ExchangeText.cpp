// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExchangeText.h"

#include "data/TextDecoding.h"
#include "exchange/ExchangeFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace exchange {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

constexpr qint64 kPiece = 1 << 20;

[[noreturn]] void cannotRead(const QFile& file) {
    throw ExchangeError(Text::tr("The exchange file \"%1\" cannot be read: %2.")
                            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
}

// Where a piece of UTF-8 can be cut without splitting a character: before the lead byte of
// a sequence that may run on past the end.
qsizetype utf8CutPoint(const QByteArray& bytes) {
    auto at = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    qsizetype p = bytes.size();
    for (int k = 0; k < 3 && p > 0 && (at(p - 1) & 0xC0) == 0x80; ++k)
        --p;
    if (p > 0 && at(p - 1) >= 0xC0)
        --p;
    return p;
}

} // namespace

ExchangeText readExchangeText(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw ExchangeError(Text::tr("The exchange file \"%1\" does not exist.")
                                .arg(QDir::toNativeSeparators(path)));
    if (!file.open(QIODevice::ReadOnly))
        cannotRead(file);

    // Plain UTF-8 is UTF-8 by any rule of the decoder, so such a file is decoded piece by
    // piece: its bytes and its text are never in memory whole at the same time. Anything
    // else (a UTF-16 mark, bytes that are not UTF-8) goes through the decoder whole.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    ExchangeText out;
    out.text.reserve(static_cast<qsizetype>(std::min<qint64>(file.size(), 1LL << 31)));
    QByteArray carry;
    bool plain = true;
    while (plain) {
        QByteArray piece = file.read(kPiece);
        if (file.error() != QFileDevice::NoError)
            cannotRead(file);
        if (piece.isEmpty())
            break;
        hash.addData(piece);
        piece.prepend(carry);
        const qsizetype cut = file.atEnd() ? piece.size() : utf8CutPoint(piece);
        carry = piece.sliced(cut);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        out.text += utf8.decode(QByteArrayView(piece).first(cut));
        plain = !utf8.hasError();
    }
    if (plain && carry.isEmpty()) {
        if (out.text.startsWith(QChar(0xFEFF)))
            out.text.remove(0, 1);
        out.sha256 = hash.result().toHex();
        return out;
    }

    out = {};
    if (!file.seek(0))
        cannotRead(file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        cannotRead(file);
    out.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    data::DecodedText decoded = data::decodeText(bytes);
    // One stray byte in a UTF-8 file: any guess would garble every other text of it.
    if (decoded.badLine)
        throw ExchangeError(
            Text::tr("The exchange file \"%1\" cannot be read: %2.")
                .arg(QDir::toNativeSeparators(path), data::notUtf8Message(decoded.badLine)));
    out.text = std::move(decoded.text);
    return out;
}

bool LineCursor::next(QStringView* line) {
    if (at_ >= text_.size())
        return false;
    qsizetype end = at_;
    while (end < text_.size() && text_[end] != QLatin1Char('\n') && text_[end] != QLatin1Char('\r'))
        ++end;
    *line = text_.sliced(at_, end - at_);
    at_ = end;
    if (at_ < text_.size() && text_[at_] == QLatin1Char('\r'))
        ++at_;
    if (at_ < text_.size() && text_[at_] == QLatin1Char('\n') &&
        (at_ == end || text_[at_ - 1] == QLatin1Char('\r')))
        ++at_;
    ++number_;
    return true;
}

QString lineProblem(QStringView line) {
    if (line.size() > kMaxTextLength)
        return Text::tr("holds a text of %1 characters, more than the %2 a text may have")
            .arg(line.size())
            .arg(kMaxTextLength);
    if (line.contains(QChar(0)))
        return Text::tr("holds a NUL character, which no text may hold");
    return {};
}

} // namespace exchange
