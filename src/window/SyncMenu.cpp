// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/SyncMenu.h"

#include "data/Sql.h"
#include "learn/rules/LessonState.h"
#include "present/ClickableLabel.h"
#include "present/LayoutScaler.h"
#include "sync/FolderChoice.h"
#include "sync/SyncScheduler.h"
#include "sync/SyncStatus.h"
#include "window/LostEditsWindow.h"
#include "window/SyncFolderWindow.h"
#include "window/SyncTakeIn.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

namespace window {
namespace {

constexpr int kMinuteMs = 60 * 1000;

} // namespace

SyncMenu::SyncMenu(present::Form1State& s, learn::QuestionLoop& loop, learn::UndoLastReply& undo,
                   QWidget* window)
    : QObject(window), s_(s), window_(window), takeIn_(std::make_unique<SyncTakeIn>(s, loop, undo)),
      panel_(new present::ClickableLabel(s.c.StatusBar1)) {
    menu_ = s.c.mnuFileMenu->addMenu(QString());
    menu_->setObjectName(QStringLiteral("mnuSync"));
    folderEntry_ = menu_->addAction(QString());
    folderEntry_->setObjectName(QStringLiteral("mnuSyncFolder"));
    lostEntry_ = menu_->addAction(QString());
    lostEntry_->setObjectName(QStringLiteral("mnuEditsThatLost"));
    connect(folderEntry_, &QAction::triggered, this, &SyncMenu::openFolderWindow);
    connect(lostEntry_, &QAction::triggered, this, &SyncMenu::openLostEdits);

    // After the five panels of the learning screen, shown only while a folder is set.
    panel_->setObjectName(QStringLiteral("PanelSync"));
    panel_->hide();
    s.c.StatusBar1->addWidget(panel_);
    connect(static_cast<present::ClickableLabel*>(panel_), &present::ClickableLabel::clicked, this,
            &SyncMenu::openFolderWindow);
    retranslate();
    window->installEventFilter(this);
    minute_.setInterval(kMinuteMs);
    connect(&minute_, &QTimer::timeout, this, &SyncMenu::showStatus);

    s.lesson.onReplyInProgress = [this](bool busy) {
        if (scheduler_)
            scheduler_->setJudging(busy);
        if (!busy) {
            takeIn_->replyEnded();
            if (!toSay_.isEmpty())
                QTimer::singleShot(0, this, &SyncMenu::sayWhenSafe);
        }
    };
    s.lesson.onBunchEnded = [this] {
        if (scheduler_)
            scheduler_->bunchEnded();
    };
}

SyncMenu::~SyncMenu() {
    s_.lesson.onReplyInProgress = nullptr;
    s_.lesson.onBunchEnded = nullptr;
}

void SyncMenu::retranslate() {
    menu_->setTitle(QCoreApplication::translate("SyncMenu", "Sync"));
    folderEntry_->setText(QCoreApplication::translate("SyncMenu", "Sync folder..."));
    lostEntry_->setText(QCoreApplication::translate("SyncMenu", "Edits that lost..."));
    panel_->setToolTip(
        QCoreApplication::translate("SyncMenu", "Click to open the Sync folder window"));
}

bool SyncMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::LanguageChange) {
        retranslate();
        showStatus();
    }
    return QObject::eventFilter(watched, event);
}

SyncFolderWindow* SyncMenu::folderWindow() const {
    return folderWindow_;
}

LostEditsWindow* SyncMenu::lostEditsWindow() const {
    return lostEdits_;
}

void SyncMenu::start() {
    if (started_ || closed_)
        return;
    started_ = true;
    try {
        useFolder(syncing::readReplica(s_.rs.connection()).folder);
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            QCoreApplication::translate("SyncMenu", "The sync settings could not be read: %1")
                .arg(e.message()));
    }
}

void SyncMenu::close(int ms) {
    closed_ = true;
    minute_.stop();
    if (scheduler_)
        scheduler_->close(ms);
}

void SyncMenu::setIntervalsForTesting(int settleMs, int waitingMs) {
    settleMs_ = settleMs;
    waitingMs_ = waitingMs;
    if (scheduler_)
        scheduler_->setIntervalsForTesting(settleMs, waitingMs);
}

bool SyncMenu::changesWaiting() const {
    try {
        return data::scalar(s_.rs.connection(),
                            QStringLiteral("SELECT EXISTS (SELECT 1 FROM SyncOutbox) OR EXISTS "
                                           "(SELECT 1 FROM SyncPending)"))
            .toBool();
    } catch (const data::DbError&) {
        return true; // the sync itself says what is wrong
    }
}

void SyncMenu::useFolder(const QString& folder) {
    if (scheduler_) {
        scheduler_->close(0);
        scheduler_.reset(); // waits for a sync still running, which stops after its step
        // That sync wrote the folder it began with: the learner's choice stands.
        try {
            if (folder.isEmpty())
                syncing::stopSync(s_.rs.connection());
            else
                syncing::rememberFolder(s_.rs.connection(), folder, {});
        } catch (const data::DbError& e) {
            s_.dialogs.warning(
                QCoreApplication::translate("SyncMenu", "The sync folder could not be stored: %1")
                    .arg(e.message()));
        }
    }
    folder_ = folder;
    synced_ = false;
    panel_->setVisible(!folder.isEmpty());
    if (folder.isEmpty() || closed_) {
        minute_.stop();
        return;
    }
    syncing::SyncScheduler::Hooks hooks{[this] { return changesWaiting(); },
                                        [this] {
                                            try {
                                                return syncing::readReplica(s_.rs.connection()).id;
                                            } catch (const data::DbError&) {
                                                return QString();
                                            }
                                        }};
    scheduler_ = std::make_unique<syncing::SyncScheduler>(s_.rs.connection().databaseName(), folder,
                                                          std::move(hooks));
    if (settleMs_ >= 0)
        scheduler_->setIntervalsForTesting(settleMs_, waitingMs_);
    connect(scheduler_.get(), &syncing::SyncScheduler::synced, this, &SyncMenu::finished);
    scheduler_->setJudging(s_.lesson.replyInProgress);
    showStatus();
    minute_.start();
    scheduler_->start();
}

void SyncMenu::finished(const syncing::SyncSummary& summary) {
    synced_ = true;
    reachable_ = QFileInfo(folder_).isDir();
    if (summary.error.isEmpty())
        lastSync_ = QDateTime::currentDateTimeUtc();
    newlyLost_ += summary.conflicts; // mentioned until the learner looks at them
    try {
        machines_ = syncing::machines(s_.rs.connection());
    } catch (const data::DbError&) {
        machines_.clear();
    }
    QStringList problems = summary.notes;
    // A folder out of reach (a share not mounted, a drive not plugged in) is common and
    // passes: the panel says so, with no box at every start.
    if (!summary.error.isEmpty() && reachable_)
        problems << summary.error;
    for (const QString& problem : problems) {
        if (!said_.contains(problem)) {
            said_.insert(problem);
            toSay_ << problem;
        }
    }
    if (summary.received > 0 || summary.renamed > 0 || summary.joinedSets > 0 ||
        summary.mediaNamed > 0)
        takeIn_->changesArrived();
    showStatus();
    if (folderWindow_)
        folderWindow_->reload();
    if (lostEdits_ && summary.conflicts > 0)
        lostEdits_->reload();
    sayWhenSafe();
    emit synced(summary);
}

void SyncMenu::showStatus() {
    if (folder_.isEmpty())
        return;
    QString text = synced_ ? syncing::syncStatusText(machines_, reachable_, lastSync_,
                                                     QDateTime::currentDateTimeUtc())
                           : QCoreApplication::translate("SyncMenu", "Syncing...");
    // One lost edit has a text of its own, which reads right before any plural forms load.
    if (newlyLost_ == 1)
        text += QCoreApplication::translate(
            "SyncMenu", "; 1 edit lost to another machine's (File > Sync > Edits that lost...)");
    else if (newlyLost_ > 0)
        text += QCoreApplication::translate(
            "SyncMenu", "; %n edits lost to another machine's (File > Sync > Edits that lost...)",
            nullptr, newlyLost_);
    panel_->setText(text);
    present::widenForStatusBar(s_.c.Form1, s_.c.StatusBar1);
}

void SyncMenu::sayWhenSafe() {
    // Never a box in the middle of judging a reply: said once it has ended.
    if (s_.lesson.replyInProgress || toSay_.isEmpty())
        return;
    const QStringList now = std::exchange(toSay_, {});
    s_.dialogs.warning(now.join(QStringLiteral("\n\n")),
                       QCoreApplication::translate("SyncMenu", "Sync"));
}

void SyncMenu::openFolderWindow() {
    if (!folderWindow_) {
        folderWindow_ = new SyncFolderWindow(s_.rs.connection(), s_.dialogs, window_);
        folderWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(folderWindow_, &SyncFolderWindow::folderChanged, this, [this](const QString& f) {
            started_ = true;
            useFolder(f);
        });
    }
    folderWindow_->show();
    folderWindow_->raise();
    folderWindow_->activateWindow();
}

void SyncMenu::openLostEdits() {
    if (!lostEdits_) {
        lostEdits_ = new LostEditsWindow(s_.rs.connection(), s_.dialogs, window_);
        lostEdits_->setAttribute(Qt::WA_DeleteOnClose);
        connect(lostEdits_, &LostEditsWindow::textBroughtBack, this, [this] {
            takeIn_->changesArrived();
            if (scheduler_)
                scheduler_->syncSoon();
        });
    }
    // Looked at: the status bar need not mention them any more.
    newlyLost_ = 0;
    showStatus();
    lostEdits_->show();
    lostEdits_->raise();
    lostEdits_->activateWindow();
}

} // namespace window
