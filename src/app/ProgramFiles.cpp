// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramFiles.h"

#include "data/Folders.h"

#include <QDir>

namespace app {

QString userDatabasePath(QString* error) {
    const QString folder = data::userDataFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        *error = QStringLiteral("Cannot make the data folder \"%1\"").arg(folder);
        return {};
    }
    return QDir(folder).filePath(QStringLiteral("VIze.mdb"));
}

QString filesText() {
    const QString assets = data::assetFolder();
    const QString data = data::userDataFolder();
    const QStringList sounds = data::soundFolders();
    QString text = QStringLiteral("\nFiles:\n");
    text += QStringLiteral("  %1/VIze.mdb\n      the database with --user-data\n").arg(data);
    text += QStringLiteral("  %1\n      the help pages\n")
                .arg(assets.isEmpty() ? QStringLiteral("(built into the program)")
                                      : assets + QStringLiteral("/help"));
    text += QStringLiteral("  %1/Object N.wav\n  %2/Object N.wav\n"
                           "      your own sounds for Object 1 to Object 11, the first found\n")
                .arg(sounds.value(0), sounds.value(1));
    return text;
}

} // namespace app
