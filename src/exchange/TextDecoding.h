#pragma once

#include <QByteArray>
#include <QString>

namespace exchange {

// A text file's contents as characters, and the encoding they were read in.
struct DecodedText {
    QString text;
    QString encoding; // "UTF-8", "UTF-8 with BOM", "UTF-16LE", "UTF-16BE" or "Windows-1252"
};

// Reads the bytes of a list saved by a spreadsheet or an editor: a byte order mark decides
// (UTF-8, UTF-16 LE or BE); without one, bytes that are valid UTF-8 are UTF-8, and anything
// else is Windows-1252, which is what spreadsheets on Windows save by default. The mark is
// not part of the text.
DecodedText decodeText(const QByteArray& bytes);

// Windows-1252 bytes as characters; the five bytes that code page leaves undefined keep their
// Latin-1 meaning, so no byte is ever lost.
QString fromWindows1252(const QByteArray& bytes);

} // namespace exchange
