#include "app/BackupNotice.h"

#include <QTextStream>

namespace app {

BackupNotice::BackupNotice(const QString& databasePath, present::Dialogs* dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs) {
    connect(&job_, &data::BackgroundBackup::finished, this, &BackupNotice::finished);
    job_.startIfDue(databasePath);
}

void BackupNotice::finished(const data::BackupResult& result) {
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
