// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DamagedStart.h"

#include "data/Backups.h"
#include "data/OpenCheck.h"
#include "data/Restore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace app {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Start)
};

} // namespace

data::OpenOutcome offerRestoreOfDamaged(const QString& path, const data::OpenOutcome& failed,
                                        present::Dialogs* dialogs) {
    data::OpenOutcome refused = failed;
    if (!dialogs) {
        refused.message = failed.message + QLatin1Char('\n') + data::backupListText(path);
        return refused;
    }
    const std::optional<data::BackupFile> good = data::newestGoodBackup(path);
    if (!good) {
        refused.message =
            QCoreApplication::translate(
                "Start", "%1.\n\nThere is no backup in \"%2\" that passes the check. "
                         "The file was left as it was.")
                .arg(failed.message, QDir::toNativeSeparators(data::backupFolder(path)));
        return refused;
    }
    const QString taken = QLocale().toString(good->taken, QLocale::ShortFormat);
    const QString question =
        QCoreApplication::translate("Start", "%1.\n\nRestore the newest good backup, taken %2? The "
                                             "damaged file is kept beside it, renamed.")
            .arg(failed.message, taken);
    if (!dialogs->confirm(question, QStringLiteral("Memorant"))) {
        refused.message = QCoreApplication::translate("Start", "%1. The file was left as it was.")
                              .arg(failed.message);
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
        dialogs->message(QCoreApplication::translate(
                             "Start",
                             "The backup taken %1 was restored. The damaged file is kept as "
                             "\"%2\".")
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
        Text::tr("The database \"%1\" is missing, but copies of it lie beside it, newest "
                 "first:\n%2")
            .arg(path, listed);
    if (!dialogs)
        return what + Text::tr("Start Memorant in its window to finish the restore, open the "
                               "newest copy or start a new database; or rename a copy to \"%1\".")
                          .arg(QFileInfo(path).fileName());

    const auto putInPlace = [&](const QString& copy) {
        const data::RestoreOutcome done = data::putCopyInPlace(path, copy);
        return done.ok ? QString() : done.message;
    };
    const QString restoring = path + QStringLiteral(".restoring");
    if (copies.contains(QFileInfo(restoring).absoluteFilePath()) &&
        data::quickCheck(restoring).sound &&
        dialogs->confirm(what + QLatin1Char('\n') +
                             Text::tr("Finish the restore that was interrupted, putting \"%1\" "
                                      "in place?")
                                 .arg(QDir::toNativeSeparators(restoring)),
                         QStringLiteral("Memorant")))
        return putInPlace(restoring);
    for (const QString& copy : copies) {
        if (copy.endsWith(QStringLiteral(".restoring")) || !data::quickCheck(copy).sound)
            continue;
        if (dialogs->confirm(what + QLatin1Char('\n') +
                                 Text::tr("Open the newest good copy, \"%1\"? It is copied in "
                                          "place; the copies stay as they are.")
                                     .arg(QDir::toNativeSeparators(copy)),
                             QStringLiteral("Memorant")))
            return putInPlace(copy);
        break;
    }
    if (dialogs->confirm(what + QLatin1Char('\n') +
                             Text::tr("Start a new database with the sample set? The copies "
                                      "stay as they are."),
                         QStringLiteral("Memorant")))
        return {};
    return what + Text::tr("Nothing was changed.");
}

} // namespace app
