// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LogMenu.h"

#include "data/ClearLog.h"
#include "data/Sql.h"
#include "window/LogWindow.h"
#include "window/StatisticsWindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>

namespace window {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};
} // namespace

LogMenu::LogMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), window_(window) {
    connect(s_.c.mnulog, &QAction::triggered, this, &LogMenu::mnulog_Click);
    connect(s_.c.mnuCleanLog, &QAction::triggered, this, &LogMenu::mnuCleanLog_Click);
    connect(s_.c.mnuStatistics, &QAction::triggered, this, &LogMenu::mnuStatistics_Click);
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
            s_.dialogs.warning(Text::tr("The log cannot be shown: %1").arg(e.message()));
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
            Text::tr("Are you sure you want to delete all the records from the Log?"), QString(),
            present::Dialogs::Button::No))
        return;
    try {
        data::clearLog(s_.rs.connection());
    } catch (const data::DbError& e) {
        s_.dialogs.warning(Text::tr("The log could not be cleaned: %1").arg(e.message()));
    }
}

StatisticsWindow* LogMenu::statisticsWindow() const {
    return statistics_;
}

void LogMenu::mnuStatistics_Click() {
    // One window at a time; an open one is brought forward as it is.
    if (!statistics_) {
        auto* window = new StatisticsWindow(s_.dialogs, window_);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->openCard = [this](const QString& setName, qint64 cardId) {
            openCardInGrid(setName, cardId);
        };
        try {
            window->Form_Load();
        } catch (const data::DbError& e) {
            delete window;
            s_.dialogs.warning(Text::tr("The statistics cannot be shown: %1").arg(e.message()));
            return;
        }
        window->placeOnScreen();
        statistics_ = window;
    }
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

void LogMenu::openCardInGrid(const QString& setName, qint64 cardId) {
    // As the learner would: Edit Set, pick the set in the list, go to the card.
    if (s_.c.ChangeSet->isEnabled())
        s_.c.ChangeSet->trigger();
    QComboBox* list = s_.c.DataCombo1;
    const int index = list->findText(setName, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        s_.dialogs.message(
            Text::tr("There is no set \"%1\" now: it was renamed or deleted.").arg(setName));
        return;
    }
    list->setCurrentIndex(index);
    emit list->activated(index);
    s_.window.SubReturnToProperTableRow(QString::number(cardId));
    window_->raise();
    window_->activateWindow();
}

} // namespace window
