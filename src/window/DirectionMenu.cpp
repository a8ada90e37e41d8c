// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DirectionMenu.h"

#include "data/Sql.h"
#include "learn/SetLoading.h"
#include "learn/rules/SetVoice.h"
#include "present/Guarded.h"
#include "window/DirectionDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

namespace window {
namespace {
// The entry sits in the main window's menu; the messages belong to the Direction window.
struct MenuText {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DirectionDialog)
};
} // namespace

DirectionMenu::DirectionMenu(present::Form1State& s, learn::SetLoading& loading, QObject* parent)
    : QObject(parent), s_(s), loading_(loading) {
    entry_ = s.c.mnuEdit->menu()->addAction(QString());
    entry_->setObjectName(QStringLiteral("mnuDirection"));
    connect(entry_, &QAction::triggered, this, &DirectionMenu::openDialog);
    retranslate();
}

void DirectionMenu::retranslate() {
    entry_->setText(MenuText::tr("Direction..."));
}

bool DirectionMenu::event(QEvent* e) {
    // The main window hands a change of language on to its children.
    if (e->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(e);
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
        s_.dialogs.warning(Text::tr("The set's direction cannot be read: %1").arg(e.message()),
                           Text::tr("Direction"));
        return;
    }
    if (setName.isEmpty()) {
        s_.dialogs.message(Text::tr("Choose a set first: the direction is a set's own."),
                           Text::tr("Direction"));
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
            s_.dialogs.warning(Text::tr("The set \"%1\" is no longer there.").arg(setName),
                               Text::tr("Direction"));
            return;
        }
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            Text::tr("The direction could not be stored: %1\nThe set is asked as before.")
                .arg(e.message()),
            Text::tr("Direction"));
        return;
    }
    // A lesson of this set starts again the new way; the Demons keep theirs.
    if (s_.screens.learning && !s_.lesson.demons)
        present::guarded(s_, [this] { loading_.ZadatPervVopr(); });
}

} // namespace window
