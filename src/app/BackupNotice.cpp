// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackupNotice.h"

#include <QTextStream>

namespace app {

BackupNotice::BackupNotice(const QString& databasePath, present::Dialogs* dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs) {
    connect(&job_, &data::BackgroundBackup::finished, this, &BackupNotice::finished);
    job_.start(databasePath);
}

void BackupNotice::finished(const data::BackupResult& result) {
    if (!result.damage.isEmpty() && !toldDamage_) {
        toldDamage_ = true;
        QTextStream(stderr) << "memorant: " << result.damage << Qt::endl;
        if (dialogs_)
            dialogs_->warning(result.damage +
                                  QStringLiteral(".\n\nNo backup was made of it. Choose File > "
                                                 "Restore from backup... to go back to a good "
                                                 "backup; the file as it is now is kept."),
                              QStringLiteral("Memorant"));
    }
    if (!result.missingMedia.isEmpty() && !toldMissingMedia_) {
        toldMissingMedia_ = true;
        QTextStream(stderr) << "memorant: " << result.missingMedia << Qt::endl;
        if (dialogs_)
            dialogs_->warning(result.missingMedia + QStringLiteral("."),
                              QStringLiteral("Memorant"));
    }
    if (result.error.isEmpty() || warned_)
        return;
    warned_ = true;
    QTextStream(stderr) << "memorant: warning: " << result.error << Qt::endl;
    if (dialogs_)
        dialogs_->warning(result.error + QStringLiteral(". You can go on learning; your work is "
                                                        "saved in the database as always."),
                          QStringLiteral("Memorant"));
}

} // namespace app
