// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BackupNowMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>

namespace window {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

QString title() {
    return Text::tr("Back up now");
}
} // namespace

BackupNowMenu::BackupNowMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), entry_(s.c.mnuFileMenu->addAction(title())) {
    entry_->setObjectName(QStringLiteral("mnuBackUpNow"));
    connect(entry_, &QAction::triggered, this, &BackupNowMenu::backUpNow);
    connect(&job_, &data::BackgroundBackup::finished, this, &BackupNowMenu::finished);
}

bool BackupNowMenu::event(QEvent* e) {
    // The main window hands a change of language on to its children.
    if (e->type() == QEvent::LanguageChange)
        entry_->setText(title());
    return QObject::event(e);
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
        s_.dialogs.warning(Text::tr("%1.\n\nNo backup was made of it. Choose File > Restore from "
                                    "backup... to go back to a good backup; the file as it is "
                                    "now is kept.")
                               .arg(result.damage),
                           title());
    } else if (!result.error.isEmpty()) {
        s_.dialogs.warning(result.error, title());
    } else {
        s_.dialogs.message(
            Text::tr("A backup was written to \"%1\".").arg(QDir::toNativeSeparators(result.path)),
            title());
    }
}

} // namespace window
