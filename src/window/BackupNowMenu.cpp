// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BackupNowMenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace window {
namespace {
const QString kTitle = QStringLiteral("Back up now");
}

BackupNowMenu::BackupNowMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), entry_(s.c.mnuFileMenu->addAction(kTitle)) {
    entry_->setObjectName(QStringLiteral("mnuBackUpNow"));
    connect(entry_, &QAction::triggered, this, &BackupNowMenu::backUpNow);
    connect(&job_, &data::BackgroundBackup::finished, this, &BackupNowMenu::finished);
}

void BackupNowMenu::backUpNow() {
    if (job_.isRunning())
        return;
    entry_->setEnabled(false);
    // Written even when nothing changed since the last one: the learner asked for it.
    job_.start(s_.rs.connection().databaseName(), /*always=*/true);
}

void BackupNowMenu::finished(const data::BackupResult& result) {
    entry_->setEnabled(true);
    if (!result.damage.isEmpty()) {
        s_.dialogs.warning(result.damage +
                               QStringLiteral(".\n\nNo backup was made of it. Choose File > "
                                              "Restore from backup... to go back to a good "
                                              "backup; the file as it is now is kept."),
                           kTitle);
    } else if (!result.error.isEmpty()) {
        s_.dialogs.warning(result.error, kTitle);
    } else {
        s_.dialogs.message(QStringLiteral("A backup was written to \"%1\".")
                               .arg(QDir::toNativeSeparators(result.path)),
                           kTitle);
    }
}

} // namespace window
