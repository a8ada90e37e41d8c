// SPDX-License-Identifier: GPL-3.0-or-later
// A deck package as downloaded: the zip layer, the unpacking and the collection inside.
#include "FuzzSupport.h"

#include "decks/Package.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    try {
        decks::readPackage(fuzz::writeFile(QStringLiteral("deck.apkg"), fuzz::bytes(raw, size)));
    } catch (const data::Error&) {
    }
    fuzz::finish();
    return 0;
}
