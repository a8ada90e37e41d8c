// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DamagedFile.h"

#include <QFile>
#include <QtEndian>

namespace testing {

bool zeroMiddlePage(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    const QByteArray header = f.read(100);
    if (header.size() < 100)
        return false;
    // The page size sits big-endian at offset 16; 1 stands for 65536.
    int pageSize = qFromBigEndian<quint16>(header.constData() + 16);
    if (pageSize == 1)
        pageSize = 65536;
    const qint64 pages = f.size() / pageSize;
    if (pages < 5)
        return false;
    f.seek((pages / 2) * pageSize);
    f.write(QByteArray(pageSize, '\0'));
    return true;
}

} // namespace testing
