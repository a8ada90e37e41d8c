// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LogMenu.h"

#include "data/Sql.h"
#include "window/LogWindow.h"

#include <QAction>

namespace app {

LogMenu::LogMenu(learn::Form1State& s, QWidget* window) : QObject(window), s_(s), window_(window) {
    connect(s_.c.mnulog, &QAction::triggered, this, &LogMenu::mnulog_Click);
    connect(s_.c.mnuCleanLog, &QAction::triggered, this, &LogMenu::mnuCleanLog_Click);
}

Form4* LogMenu::logWindow() const {
    return form4_;
}

void LogMenu::mnulog_Click() {
    // An open window is brought forward as it is; a closed one is loaded afresh.
    if (!form4_) {
        auto* form = new Form4(window_);
        form->setAttribute(Qt::WA_DeleteOnClose);
        try {
            form->Form_Load();
        } catch (const data::DbError& e) {
            delete form;
            s_.dialogs.warning(QStringLiteral("The log cannot be shown: %1").arg(e.message()));
            return;
        }
        form4_ = form;
    }
    form4_->show();
    form4_->raise();
    form4_->activateWindow();
}

void LogMenu::mnuCleanLog_Click() {
    if (!s_.dialogs.confirm(
            QStringLiteral("Are you sure you want to delete all the records from the Log?"),
            QString(), present::Dialogs::Button::No))
        return;
    try {
        data::exec(s_.rs.connection(), QStringLiteral("DELETE FROM Log"));
    } catch (const data::DbError& e) {
        s_.dialogs.warning(QStringLiteral("The log could not be cleaned: %1").arg(e.message()));
    }
}

} // namespace app
