// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DirectionMenu.h"

#include "data/Sql.h"
#include "learn/SetLoading.h"
#include "learn/rules/SetVoice.h"
#include "present/Guarded.h"
#include "window/DirectionDialog.h"

#include <QAction>
#include <QMenu>

namespace window {

DirectionMenu::DirectionMenu(present::Form1State& s, learn::SetLoading& loading, QObject* parent)
    : QObject(parent), s_(s), loading_(loading) {
    QAction* entry = s.c.mnuEdit->menu()->addAction(QStringLiteral("Direction..."));
    entry->setObjectName(QStringLiteral("mnuDirection"));
    connect(entry, &QAction::triggered, this, &DirectionMenu::openDialog);
}

void DirectionMenu::openDialog() {
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    QString setName;
    learn::SetDirection current = learn::SetDirection::Forward;
    try {
        setName = learn::chosenSetName(s_.rs.connection());
        if (!setName.isEmpty())
            current = learn::setDirection(s_.rs.connection(), setName);
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            QStringLiteral("The set's direction cannot be read: %1").arg(e.message()),
            QStringLiteral("Direction"));
        return;
    }
    if (setName.isEmpty()) {
        s_.dialogs.message(QStringLiteral("Choose a set first: the direction is a set's own."),
                           QStringLiteral("Direction"));
        return;
    }
    auto* dialog = new DirectionDialog(setName, current, s_.c.Form1);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog_ = dialog;
    // Closed, it is gone for the menu at once, though deleted a little later.
    connect(dialog, &QDialog::finished, this, [this] { dialog_ = nullptr; });
    connect(dialog, &QDialog::accepted, this, [this, dialog, setName, current] {
        if (dialog->chosen() != current)
            store(setName, dialog->chosen());
    });
    dialog_->open();
}

void DirectionMenu::store(const QString& setName, learn::SetDirection direction) {
    // Never in the middle of judging a reply: the lesson is read again below.
    if (s_.lesson.replyInProgress)
        return;
    try {
        if (!learn::storeSetDirection(s_.rs.connection(), setName, direction)) {
            s_.dialogs.warning(QStringLiteral("The set \"%1\" is no longer there.").arg(setName),
                               QStringLiteral("Direction"));
            return;
        }
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            QStringLiteral("The direction could not be stored: %1\nThe set is asked as before.")
                .arg(e.message()),
            QStringLiteral("Direction"));
        return;
    }
    // A lesson of this set starts again the new way; the Demons keep theirs.
    if (s_.screens.learning && !s_.lesson.demons)
        present::guarded(s_, [this] { loading_.ZadatPervVopr(); });
}

} // namespace window
