// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramFiles.h"

#include "data/Folders.h"

#include <QCoreApplication>
#include <QDir>

namespace app {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Start)
};

} // namespace

QString userDatabasePath(QString* error) {
    const QString folder = data::userDataFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        *error = Text::tr("Cannot make the data folder \"%1\"").arg(folder);
        return {};
    }
    return QDir(folder).filePath(QStringLiteral("VIze.mdb"));
}

QString filesText() {
    const QString assets = data::assetFolder();
    const QString data = data::userDataFolder();
    const QStringList sounds = data::soundFolders();
    // Each file, and below it what it is for.
    const auto file = [](const QString& where, const QString& what) {
        return QStringLiteral("  %1\n      %2\n").arg(where, what);
    };
    QString text = QLatin1Char('\n') + Text::tr("Files:") + QLatin1Char('\n');
    text += file(data + QStringLiteral("/VIze.mdb"), Text::tr("the database with --user-data"));
    text += file(assets.isEmpty() ? Text::tr("(built into the program)")
                                  : assets + QStringLiteral("/help"),
                 Text::tr("the help pages"));
    text += file(sounds.value(0) + QStringLiteral("/Object N.wav\n  ") + sounds.value(1) +
                     QStringLiteral("/Object N.wav"),
                 Text::tr("your own sounds for Object 1 to Object 11, the first found"));
    return text;
}

} // namespace app
