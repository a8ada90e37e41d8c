// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace data {

enum class FileUse { Read, Write };

// Why `path` must not be read or written, or empty when it may: only a regular file (or, to
// be written, a name not yet taken) will do. A named pipe would block the reader for ever,
// a device such as /dev/zero never ends, and writing would replace either with a file. A
// missing file to read is left to the reader, which says so.
[[nodiscard]] QString specialFileRefusal(const QString& path, FileUse use);

} // namespace data
