// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackupNotice.h"

#include <QCoreApplication>
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
            dialogs_->warning(QCoreApplication::translate(
                                  "Start",
                                  "%1.\n\nNo backup was made of it. Choose File > Restore "
                                  "from backup... to go back to a good backup; the file as "
                                  "it is now is kept.")
                                  .arg(result.damage),
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
    QTextStream(stderr) << "memorant: "
                        << QCoreApplication::translate("Start", "warning: %1").arg(result.error)
                        << Qt::endl;
    if (dialogs_)
        dialogs_->warning(QCoreApplication::translate(
                              "Start", "%1. You can go on learning; your work is saved in the "
                                       "database as always.")
                              .arg(result.error),
                          QStringLiteral("Memorant"));
}

} // namespace app
