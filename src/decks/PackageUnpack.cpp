// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/PackageUnpack.h"

#include "decks/ZipMember.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <zip.h>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

[[noreturn]] void refuse(const QString& why) {
    throw DeckError(why);
}

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};

// Writes the unpacked bytes, counting them against the limits.
class Sink {
  public:
    Sink(QFile& file, const PackageLimits& limits, qint64 compressed)
        : file_(file), limits_(limits), compressed_(compressed) {}
    void write(const char* data, qint64 n) {
        written_ += n;
        if (limits_.exceeded(written_, compressed_))
            refuse(Text::tr("its collection unpacks to far more than it holds packed "
                            "(more than %1 bytes from %2), which no real deck does")
                       .arg(written_)
                       .arg(compressed_));
        if (file_.write(data, n) != n)
            refuse(Text::tr("its collection cannot be unpacked (%1)").arg(file_.errorString()));
    }

  private:
    QFile& file_;
    const PackageLimits& limits_;
    qint64 compressed_;
    qint64 written_ = 0;
};

// A collection in write-ahead-log mode would need files beside it to be opened; the package
// holds none, so the file is marked as an ordinary one.
void clearWalMark(QFile& file) {
    if (file.size() < 100 || !file.seek(18))
        return;
    const QByteArray mark = file.read(2);
    if (mark == QByteArray("\x02\x02", 2) && file.seek(18))
        file.write("\x01\x01", 2);
}

const char* const kBesides[] = {"-journal", "-wal", "-shm"};

} // namespace

UnpackedCollection::~UnpackedCollection() {
    if (path_.isEmpty())
        return;
    for (const char* beside : kBesides)
        QFile::remove(path_ + QLatin1String(beside));
    QFile::remove(path_);
}

bool UnpackedCollection::create() {
    const QString base = QDir::tempPath() + QStringLiteral("/memorant-deck-");
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate =
            base + QString::number(QRandomGenerator::system()->generate64(), 36);
        switch (lock_.tryLock(candidate, /*create=*/true)) {
        case data::FileLock::Result::Taken:
            path_ = candidate;
            return QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
        case data::FileLock::Result::Busy:
            continue; // the name is taken
        case data::FileLock::Result::Failed:
            return false;
        }
    }
    return false;
}

void removeUnpackLeftovers() {
    const QDir folder(QDir::tempPath());
    const QStringList names = folder.entryList({QStringLiteral("memorant-deck-*")},
                                               QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QString path = folder.filePath(name);
        QString collection = path;
        for (const char* beside : kBesides) {
            if (name.endsWith(QLatin1String(beside)))
                collection.chop(qsizetype(qstrlen(beside)));
        }
        // What SQLite left beside a collection goes with it, or alone once it is gone.
        if (collection != path) {
            if (!QFileInfo::exists(collection))
                QFile::remove(path);
            continue;
        }
        data::FileLock probe;
        if (probe.tryLock(path) != data::FileLock::Result::Taken)
            continue; // a running import holds it (or it is not ours to open)
        for (const char* beside : kBesides)
            QFile::remove(path + QLatin1String(beside));
        QFile::remove(path);
    }
}

std::unique_ptr<UnpackedCollection> unpackCollection(const QString& path,
                                                     const PackageLimits& limits) {
    int error = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        zip_error_t e;
        zip_error_init_with_code(&e, error);
        const QString why = QString::fromUtf8(zip_error_strerror(&e));
        zip_error_fini(&e);
        refuse(Text::tr("this is not a deck package (not a readable zip archive: %1)").arg(why));
    }
    const char* names[] = {"collection.anki21b", "collection.anki21", "collection.anki2"};
    zip_int64_t index = -1;
    bool zstd = false;
    for (const char* name : names) {
        index = zip_name_locate(archive.get(), name, 0);
        if (index >= 0) {
            zstd = name == names[0];
            break;
        }
    }
    if (index < 0)
        refuse(Text::tr("this zip archive holds no collection, so it is not a deck package"));
    const QString what = Text::tr("its collection");
    const qint64 packed = packedSize(archive.get(), zip_uint64_t(index), what);
    auto collection = std::make_unique<UnpackedCollection>();
    if (!collection->create())
        refuse(Text::tr("no temporary file can be made in %1").arg(QDir::tempPath()));
    QFile file(collection->path());
    if (!file.open(QIODevice::ReadWrite))
        refuse(Text::tr("no temporary file can be made (%1)").arg(file.errorString()));
    Sink sink(file, limits, packed);
    streamMember(archive.get(), zip_uint64_t(index), zstd, what, [&](const char* data, qint64 n) {
        sink.write(data, n);
        return true;
    });
    clearWalMark(file);
    if (!file.flush())
        refuse(Text::tr("its collection cannot be unpacked (%1)").arg(file.errorString()));
    file.close();
    if (!collection->stillHeld())
        refuse(Text::tr("its unpacked collection was removed by another program"));
    return collection;
}

} // namespace decks
