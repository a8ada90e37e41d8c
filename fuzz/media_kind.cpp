// SPDX-License-Identifier: GPL-3.0-or-later
// A picture or sound file: its kind and size told from its header, and the limits judged.
#include "FuzzSupport.h"

#include "media/MediaKind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    const QByteArray bytes = fuzz::bytes(raw, size);
    static_cast<void>(media::sniff(bytes));
    static_cast<void>(media::refusal(QStringLiteral("file"), bytes));
    return 0;
}
