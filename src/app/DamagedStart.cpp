// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DamagedStart.h"

#include "data/Backups.h"
#include "data/OpenCheck.h"
#include "data/Restore.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace app {

data::OpenOutcome offerRestoreOfDamaged(const QString& path, const data::OpenOutcome& failed,
                                        present::Dialogs* dialogs) {
    data::OpenOutcome refused = failed;
    if (!dialogs) {
        refused.message = failed.message + QLatin1Char('\n') + data::backupListText(path);
        return refused;
    }
    const std::optional<data::BackupFile> good = data::newestGoodBackup(path);
    if (!good) {
        refused.message = failed.message +
                          QStringLiteral(".\n\nThere is no backup in \"%1\" that passes the check. "
                                         "The file was left as it was.")
                              .arg(QDir::toNativeSeparators(data::backupFolder(path)));
        return refused;
    }
    const QString taken = QLocale().toString(good->taken, QLocale::ShortFormat);
    const QString question =
        failed.message +
        QStringLiteral(".\n\nRestore the newest good backup, taken %1? The damaged file is kept "
                       "beside it, renamed.")
            .arg(taken);
    if (!dialogs->confirm(question, QStringLiteral("Memorant"))) {
        refused.message = failed.message + QStringLiteral(". The file was left as it was.");
        return refused;
    }
    const data::RestoreOutcome restored =
        data::restoreBackup(path, good->path, data::Replacing::DamagedFile);
    if (!restored.ok) {
        refused.message = restored.message;
        return refused;
    }
    const data::OpenOutcome reopened = data::openDatabase(path, /*createIfMissing=*/false);
    if (reopened.ok)
        dialogs->message(QStringLiteral("The backup taken %1 was restored. The damaged file is "
                                        "kept as \"%2\".")
                             .arg(taken, QDir::toNativeSeparators(restored.keptAs)),
                         QStringLiteral("Memorant"));
    return reopened;
}

QString offerCopiesOfMissing(const QString& path, present::Dialogs* dialogs) {
    const QStringList copies = data::copiesBeside(path);
    if (copies.isEmpty() || QFileInfo::exists(path))
        return {};
    QString listed;
    for (const QString& c : copies)
        listed += QStringLiteral("  %1\n").arg(QDir::toNativeSeparators(c));
    const QString what =
        QStringLiteral("The database \"%1\" is missing, but copies of it lie beside it, newest "
                       "first:\n%2")
            .arg(path, listed);
    if (!dialogs)
        return what + QStringLiteral("Start Memorant in its window to finish the restore, open "
                                     "the newest copy or start a new database; or rename a copy "
                                     "to \"%1\".")
                          .arg(QFileInfo(path).fileName());

    const auto putInPlace = [&](const QString& copy) {
        const data::RestoreOutcome done = data::putCopyInPlace(path, copy);
        return done.ok ? QString() : done.message;
    };
    const QString restoring = path + QStringLiteral(".restoring");
    if (copies.contains(QFileInfo(restoring).absoluteFilePath()) &&
        data::quickCheck(restoring).sound &&
        dialogs->confirm(what + QStringLiteral("\nFinish the restore that was interrupted, "
                                               "putting \"%1\" in place?")
                                    .arg(QDir::toNativeSeparators(restoring)),
                         QStringLiteral("Memorant")))
        return putInPlace(restoring);
    for (const QString& copy : copies) {
        if (copy.endsWith(QStringLiteral(".restoring")) || !data::quickCheck(copy).sound)
            continue;
        if (dialogs->confirm(what + QStringLiteral("\nOpen the newest good copy, \"%1\"? It is "
                                                   "copied in place; the copies stay as they "
                                                   "are.")
                                        .arg(QDir::toNativeSeparators(copy)),
                             QStringLiteral("Memorant")))
            return putInPlace(copy);
        break;
    }
    if (dialogs->confirm(what + QStringLiteral("\nStart a new database with the sample set? The "
                                               "copies stay as they are."),
                         QStringLiteral("Memorant")))
        return {};
    return what + QStringLiteral("Nothing was changed.");
}

} // namespace app
