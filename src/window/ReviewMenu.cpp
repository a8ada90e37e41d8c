// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ReviewMenu.h"

#include "data/Sql.h"
#include "learn/DueReview.h"
#include "learn/MemoryRebuild.h"
#include "learn/rules/DueLesson.h"
#include "learn/rules/MemoryStore.h"
#include "present/ClickableLabel.h"
#include "present/Guarded.h"
#include "present/KidsPictures.h"
#include "present/Twips.h"
#include "window/DueCountDelegate.h"
#include "window/ReviewDialog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QMenu>

namespace window {

ReviewMenu::ReviewMenu(present::Form1State& s, learn::QuestionLoop& loop,
                       learn::SetLoading& loading, learn::UndoLastReply& undo, QObject* parent)
    : QObject(parent), s_(s), loop_(loop),
      lesson_(std::make_unique<learn::DueReview>(s, loop, loading, undo)),
      rebuild_(new learn::MemoryRebuild(s.rs.connection().databaseName(), this)),
      counts_(new DueCountDelegate(s.c.DataCombo1)) {
    reviewEntry_ = s.c.mnuEdit->menu()->addAction(QString());
    reviewEntry_->setObjectName(QStringLiteral("mnuReview"));
    connect(reviewEntry_, &QAction::triggered, this, &ReviewMenu::openDialog);
    dueCards_ = new QAction(s.c.mnuLearnMain->menu());
    dueCards_->setObjectName(QStringLiteral("mnuDueCards"));
    // Beside the other lessons, before Undo last reply.
    s.c.mnuLearnMain->menu()->insertAction(s.c.mnuUndoReply, dueCards_);
    connect(dueCards_, &QAction::triggered, this,
            [this] { present::guarded(s_, [this] { lesson_->startDueLesson(); }); });
    s.c.DataCombo1->setItemDelegate(counts_);
    // Where the delete picture stands on the other screens: free on the learning screen.
    auto* picture = new present::ClickableLabel(s.c.Picture[11]->parentWidget());
    picture->setObjectName(QStringLiteral("PictureDue"));
    present::placeTwips(picture, 6000, 6720, 1095, 975);
    present::setKidsPicture(picture, QStringLiteral("due"));
    picture->setActsAsButton(true);
    picture->setCursor(Qt::PointingHandCursor);
    picture->hide();
    kidsPicture_ = picture;
    mainWindow_ = s.c.Form1;
    mainWindow_->installEventFilter(this);
    retranslate();
    connect(picture, &present::ClickableLabel::clicked, this, [this] {
        present::guarded(s_, [this] {
            s_.speech.playSound(10);
            lesson_->startDueLesson();
        });
    });
    // The Demons' picture is shown exactly where this one belongs.
    demonsPicture_ = s.c.Picture[11];
    demonsPicture_->installEventFilter(this);
    setListPopup_ = s.c.DataCombo1->view()->parentWidget();
    setListPopup_->installEventFilter(this);
    connect(rebuild_, &learn::MemoryRebuild::rebuilt, this, [this] {
        if (s_.screens.learning)
            loop_.SubStatusBar(); // which shows the counts
        else
            refresh();
    });
    loop_.afterStatusBar = [this] { refresh(); };
    refresh();
}

// The window's lesson procedures are gone by now: nothing to unhook.
ReviewMenu::~ReviewMenu() = default;

void ReviewMenu::retranslate() {
    reviewEntry_->setText(QCoreApplication::translate("ReviewMenu", "Review..."));
    dueCards_->setText(QCoreApplication::translate("ReviewMenu", "Due cards"));
    if (kidsPicture_) {
        kidsPicture_->setToolTip(QCoreApplication::translate("ReviewMenu", "Learn the due cards"));
        kidsPicture_->setAccessibleName(
            QCoreApplication::translate("ReviewMenu", "Learn the due cards"));
    }
}

bool ReviewMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_ && event->type() == QEvent::LanguageChange)
        retranslate();
    const bool shownOrHidden = event->type() == QEvent::Show || event->type() == QEvent::Hide;
    if (watched == setListPopup_ && event->type() == QEvent::Show)
        widenSetList();
    else if (watched == demonsPicture_ && shownOrHidden)
        showKidsPicture();
    return QObject::eventFilter(watched, event);
}

void ReviewMenu::widenSetList() {
    // Counted and measured as the list opens, not after every reply: a collection may hold a
    // thousand sets.
    if (!on_)
        return;
    try {
        counts_->setCounts(
            learn::dueCounts(s_.rs.connection(), QDate::currentDate().toJulianDay()).bySet);
    } catch (const data::DbError&) {
        counts_->setCounts({}); // the names alone, rather than counts that may be wrong
        return;
    }
    QAbstractItemView* list = s_.c.DataCombo1->view();
    QWidget* popup = list->parentWidget();
    const int wanted = list->sizeHintForColumn(0) + popup->width() - list->viewport()->width();
    if (popup->width() < wanted)
        popup->resize(wanted, popup->height());
}

void ReviewMenu::showKidsPicture() {
    if (kidsPicture_ && demonsPicture_)
        kidsPicture_->setVisible(on_ && s_.modes.kids && !demonsPicture_->isHidden());
}

void ReviewMenu::showOff() {
    on_ = false;
    showKidsPicture();
    // Off, the menus are as they always were but for Edit > Review... itself.
    dueCards_->setVisible(false);
    s_.c.PanelDue->hide();
    counts_->setCounts({});
    shownFor_.clear();
}

void ReviewMenu::refresh() {
    learn::ReviewSettings settings;
    QString mark;
    bool current = false;
    const QSqlDatabase db = s_.rs.connection();
    try {
        settings = learn::reviewSettings(db);
        if (!settings.on) {
            showOff();
            return;
        }
        // One row: the counts are worked out again only when they can have changed.
        mark = data::scalar(db, QStringLiteral("SELECT LogChanges || ' ' || coalesce(BuiltAt, "
                                               "'') || ' ' || coalesce(Retention, '') || ' ' || "
                                               "SetChanges FROM MemoryMark"))
                   .toString() +
               QStringLiteral(" ") + QString::number(QDate::currentDate().toJulianDay());
        current = learn::memoryStateIsCurrent(db);
    } catch (const data::DbError&) {
        showOff(); // unreadable settings: nothing shown rather than something wrong
        return;
    }
    dueCards_->setVisible(true);
    on_ = true;
    showKidsPicture();
    if (!current && !rebuild_->isRunning())
        rebuild_->request();
    if (mark == shownFor_ && !s_.c.PanelDue->isHidden())
        return;
    try {
        s_.c.PanelDue->setText(
            learn::duePanelText(learn::dueTotal(db, QDate::currentDate().toJulianDay())));
        shownFor_ = mark;
    } catch (const data::DbError&) {
        s_.c.PanelDue->setText(QString());
    }
    s_.c.PanelDue->setVisible(!s_.c.PanelDue->text().isEmpty());
}

void ReviewMenu::openDialog() {
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    learn::ReviewSettings current;
    std::vector<double> stabilities;
    try {
        current = learn::reviewSettings(s_.rs.connection());
        stabilities = learn::stabilitiesInSets(s_.rs.connection());
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            QCoreApplication::translate("ReviewMenu", "The review settings cannot be read: %1")
                .arg(e.message()),
            QCoreApplication::translate("ReviewMenu", "Review"));
        return;
    }
    auto* dialog = new ReviewDialog(current, std::move(stabilities), s_.c.Form1);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog_ = dialog;
    // Closed, it is gone for the menu at once, though deleted a little later.
    connect(dialog, &QDialog::finished, this, [this] { dialog_ = nullptr; });
    connect(dialog, &QDialog::accepted, this, [this, dialog] { store(dialog->chosen()); });
    dialog->open();
}

void ReviewMenu::store(const learn::ReviewSettings& settings) {
    try {
        learn::storeReviewSettings(s_.rs.connection(), settings);
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            QCoreApplication::translate(
                "ReviewMenu", "The review settings could not be stored: %1\nThey are as they were.")
                .arg(e.message()),
            QCoreApplication::translate("ReviewMenu", "Review"));
        return;
    }
    shownFor_.clear();
    if (s_.screens.learning)
        loop_.SubStatusBar();
    else
        refresh();
}

} // namespace window
