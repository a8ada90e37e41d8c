// SPDX-License-Identifier: GPL-3.0-or-later
// The collection inside a deck package: the input is the SQLite file the reader would unpack,
// stored uncompressed in an otherwise plain package so that the bytes reach it unchanged.
#include "FuzzSupport.h"

#include "decks/Package.h"

#include <cstdlib>
#include <zip.h>

namespace {

QByteArray package(const QByteArray& collection) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = target ? zip_open_from_source(target, ZIP_TRUNCATE, &error) : nullptr;
    if (!archive)
        std::abort();
    zip_source_keep(target);
    zip_source_t* entry =
        zip_source_buffer(archive, collection.constData(), zip_uint64_t(collection.size()), 0);
    const zip_int64_t index = entry ? zip_file_add(archive, "collection.anki2", entry, 0) : -1;
    if (index < 0 || zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0 ||
        zip_close(archive) != 0)
        std::abort();
    QByteArray out;
    if (zip_source_open(target) == 0) {
        char buffer[1 << 16];
        zip_int64_t n;
        while ((n = zip_source_read(target, buffer, sizeof buffer)) > 0)
            out.append(buffer, qsizetype(n));
        zip_source_close(target);
    }
    zip_source_free(target);
    zip_error_fini(&error);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    try {
        decks::readPackage(
            fuzz::writeFile(QStringLiteral("deck.apkg"), package(fuzz::bytes(raw, size))));
    } catch (const data::Error&) {
    }
    fuzz::finish();
    return 0;
}
