// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/SyncTakeIn.h"

#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "learn/QuestionLoop.h"
#include "learn/UndoLastReply.h"
#include "learn/rules/LessonTakeIn.h"
#include "present/GridEditor.h"

#include <QCoreApplication>
#include <QTableView>

namespace window {
namespace {

constexpr int kRetryMs = 1000;

bool editing(const QTableView* grid) {
    const auto* entry = dynamic_cast<const present::EntryGrid*>(grid);
    return entry && entry->isEditing();
}

} // namespace

SyncTakeIn::SyncTakeIn(present::Form1State& s, learn::QuestionLoop& loop,
                       learn::UndoLastReply& undo, QObject* parent)
    : QObject(parent), s_(s), loop_(loop), undo_(undo) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, [this] {
        if (pending_)
            changesArrived();
    });
}

void SyncTakeIn::changesArrived() {
    pending_ = true;
    if (s_.lesson.replyInProgress)
        return; // replyEnded() comes
    if (!safeNow()) {
        retry_.start();
        return;
    }
    pending_ = false;
    takeIn();
}

void SyncTakeIn::replyEnded() {
    if (pending_)
        // After the handler that judged has returned: the next question is on screen then.
        QTimer::singleShot(0, this, [this] {
            if (pending_)
                changesArrived();
        });
}

bool SyncTakeIn::safeNow() const {
    const present::Form1Controls& c = s_.c;
    // An answer list being written, or a cell being typed, would lose what is typed.
    return !editing(c.TDBGrid2) && !editing(c.TDBGrid1) && !editing(c.TDBGrid3) &&
           !c.Adodc2->hasPendingRow() && !c.TDBGrid1->isVisibleTo(c.Form1);
}

void SyncTakeIn::takeIn() {
    try {
        // The lesson first: it must see a set that is gone before the set list chooses
        // another one in its place.
        if (s_.screens.learning && s_.lesson.CurRowLim > 0)
            takeIntoLesson();
        s_.rs.UnloadAll();
        s_.rs.LoadAll();
        s_.c.Adodc1->refresh();
        s_.window.refreshCardGrid();
    } catch (const data::DbError& e) {
        s_.dialogs.warning(QCoreApplication::translate(
                               "SyncTakeIn", "Changes from another machine could not be shown: %1")
                               .arg(e.message()));
    }
    if (refreshOtherWindows)
        refreshOtherWindows();
}

void SyncTakeIn::takeIntoLesson() {
    learn::LessonState& L = s_.lesson;
    const learn::LessonTakeIn in =
        learn::takeInChanges(s_.rs.connection(), L, s_.rs.curSet.source());
    if (in.setGone) {
        endLesson(QCoreApplication::translate(
            "SyncTakeIn",
            "The set of this lesson was deleted on another machine. Choose another set to "
            "learn."));
        return;
    }
    if (in.cardsCameOrWent || in.currentCardGone)
        undo_.dropUndo(QCoreApplication::translate(
            "SyncTakeIn", "A reply cannot be taken back after another machine's changes came in"));
    if (in.currentCardGone) {
        s_.dialogs.message(QCoreApplication::translate(
            "SyncTakeIn", "The card of this question was deleted on another machine."));
        if (L.CurRowLim == 0) {
            endLesson(QString());
            return;
        }
        --L.Row; // the next card stands in its place now
        loop_.NextValidRow1();
        loop_.MakeQuestion();
    }
    loop_.SubStatusBar();
}

void SyncTakeIn::endLesson(const QString& note) {
    learn::LessonState& L = s_.lesson;
    undo_.dropUndo(
        QCoreApplication::translate("SyncTakeIn", "No reply of this lesson to take back"));
    L.CurRowLim = 0;
    L.Row = 1;
    L.CheckAll = 0;
    L.BunchCorrect = 0;
    L.CurSetSize = 0;
    s_.c.Label7->setText(QString());
    s_.c.Text3->clear();
    s_.c.Command21->setEnabled(false);
    s_.c.Command3->setEnabled(false);
    loop_.SubStatusBar();
    if (!note.isEmpty())
        s_.dialogs.message(note);
}

} // namespace window
