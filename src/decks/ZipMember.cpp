// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/ZipMember.h"

#include "decks/Deck.h"

#include <QByteArray>
#include <QCoreApplication>
#include <memory>
#include <zstd.h>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

[[noreturn]] void refuse(const QString& why) {
    throw DeckError(why);
}

struct EntryCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
struct ZstdFree {
    void operator()(ZSTD_DStream* s) const { ZSTD_freeDStream(s); }
};

// Unpacks one piece read from the archive, handing on what comes out; false once `take`
// wants no more. `left` is not 0 while a zstd frame is unfinished.
bool unpackPiece(ZSTD_DStream* stream, const char* piece, qint64 n, QByteArray& out,
                 const QString& what, const std::function<bool(const char*, qint64)>& take,
                 size_t& left) {
    ZSTD_inBuffer input{piece, size_t(n), 0};
    // A full output buffer may leave more inside the decoder, even with the input used.
    bool full = false;
    do {
        ZSTD_outBuffer output{out.data(), size_t(out.size()), 0};
        left = ZSTD_decompressStream(stream, &output, &input);
        if (ZSTD_isError(left))
            refuse(Text::tr("%1 is not validly compressed (%2)")
                       .arg(what, QString::fromUtf8(ZSTD_getErrorName(left))));
        if (!take(out.constData(), qint64(output.pos)))
            return false;
        full = output.pos == output.size;
    } while (input.pos < input.size || full);
    return true;
}

} // namespace

qint64 packedSize(zip_t* archive, zip_uint64_t index, const QString& what) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_COMP_SIZE))
        refuse(Text::tr("%1 cannot be read from the archive").arg(what));
    return qint64(stat.comp_size);
}

void streamMember(zip_t* archive, zip_uint64_t index, bool zstd, const QString& what,
                  const std::function<bool(const char* data, qint64 n)>& take) {
    std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive, index, 0));
    if (!entry)
        refuse(Text::tr("%1 cannot be read from the archive (%2)")
                   .arg(what, QString::fromUtf8(zip_strerror(archive))));
    std::unique_ptr<ZSTD_DStream, ZstdFree> stream(zstd ? ZSTD_createDStream() : nullptr);
    if (zstd && (!stream || ZSTD_isError(ZSTD_initDStream(stream.get()))))
        refuse(Text::tr("%1 cannot be unpacked").arg(what));
    QByteArray in(1 << 16, Qt::Uninitialized);
    QByteArray out(zstd ? int(ZSTD_DStreamOutSize()) : 0, Qt::Uninitialized);
    size_t zstdLeft = 0; // not 0 while a zstd frame is unfinished
    for (;;) {
        const zip_int64_t n = zip_fread(entry.get(), in.data(), zip_uint64_t(in.size()));
        if (n < 0)
            refuse(Text::tr("the archive is damaged (%1)")
                       .arg(QString::fromUtf8(zip_file_strerror(entry.get()))));
        if (n == 0)
            break;
        const bool more =
            zstd ? unpackPiece(stream.get(), in.constData(), n, out, what, take, zstdLeft)
                 : take(in.constData(), n);
        if (!more)
            return;
    }
    if (zstd && zstdLeft != 0)
        refuse(Text::tr("%1 is cut short").arg(what));
}

} // namespace decks
