#include "app/DamagedStart.h"

#include "data/Backups.h"
#include "data/OpenCheck.h"
#include "data/Restore.h"

#include <QDir>
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
        data::restoreBackup(path, good->path, QStringLiteral("damaged"));
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

} // namespace app
