// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace data {

// The encoding a learner can name for a file; Detect leaves it to the bytes.
enum class TextEncoding { Detect, Utf8, Utf16, Windows1252 };

// "utf-8", "utf-16" or "windows-1252" (any letter case); nothing for another text.
[[nodiscard]] std::optional<TextEncoding> encodingFromText(const QString& text);

// A text file's contents as characters, and the encoding they were read in.
struct DecodedText {
    QString text;
    QString encoding; // "UTF-8", "UTF-8 with BOM", "UTF-16LE", "UTF-16BE" or "Windows-1252"
    // Not 0: the file is UTF-8 apart from some bytes, and this is the first line holding one;
    // nothing was decoded, since any guess would garble every other text of the file.
    int badLine = 0;
};

// Reads the bytes of a file saved by a spreadsheet or an editor: a byte order mark decides
// (UTF-8, UTF-16 LE or BE); without one, bytes that are valid UTF-8 are UTF-8, and bytes
// without a single valid multi-byte UTF-8 sequence are Windows-1252, which is what
// spreadsheets on Windows save by default. Anything else is refused (see `badLine`). The mark
// is not part of the text.
DecodedText decodeText(const QByteArray& bytes);

// The same with the encoding the learner named: never refused, a byte that does not fit
// becomes U+FFFD. UTF-16 without a mark is taken as little-endian unless its zero bytes say
// otherwise.
DecodedText decodeText(const QByteArray& bytes, TextEncoding encoding);

// The refusal of a file with a stray byte, for messages that name the file first.
QString notUtf8Message(int badLine);

// Windows-1252 bytes as characters; the five bytes that code page leaves undefined keep their
// Latin-1 meaning, so no byte is ever lost.
QString fromWindows1252(const QByteArray& bytes);

// The exact encoding a file is read in, once decided.
enum class ByteForm { Utf8, Utf16LE, Utf16BE, Windows1252 };
struct ResolvedEncoding {
    ByteForm form = ByteForm::Utf8;
    QString name; // as DecodedText::encoding
    int badLine = 0;
};

// Looks at a file's bytes piece by piece (a file need not be in memory whole) and decides its
// encoding by the rule of decodeText.
class EncodingScan {
  public:
    void add(QByteArrayView bytes);
    ResolvedEncoding resolve(TextEncoding requested) const;

  private:
    QByteArray head_; // the first bytes, for a byte order mark
    qint64 offset_ = 0;
    qint64 zerosEven_ = 0;
    qint64 zerosOdd_ = 0;
    int line_ = 1;
    bool lastWasCr_ = false;
    int pending_ = 0;                        // continuation bytes still expected
    unsigned char low_ = 0x80, high_ = 0xBF; // the range of the next continuation byte
    int sequenceLine_ = 0;
    bool multiByte_ = false;
    int badLine_ = 0;
};

// Turns a file's bytes, piece by piece, into UTF-8 in the resolved encoding; a sequence cut
// between two pieces is carried over. A byte order mark at the start is dropped.
class TextDecoder {
  public:
    explicit TextDecoder(ByteForm form);
    QByteArray toUtf8(QByteArrayView bytes);
    // At the end: U+FFFD for a sequence the last piece left unfinished, so it is not lost.
    QByteArray finish();

  private:
    // Qt keeps an unfinished sequence without telling; this lets us ask.
    class Decoder : public QStringDecoder {
      public:
        using QStringDecoder::QStringDecoder;
        bool holdsPart() const { return state.remainingChars > 0; }
    };
    ByteForm form_;
    Decoder decoder_;
};

} // namespace data
