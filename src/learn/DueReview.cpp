// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/DueReview.h"

#include "data/Sql.h"
#include "learn/rules/DueLesson.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/MemoryStore.h"

#include <QCoreApplication>
#include <QDate>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

} // namespace

DueReview::DueReview(present::Form1State& s, QuestionLoop& loop, SetLoading& loading,
                     UndoLastReply& undo)
    : s_(s), loop_(loop), loading_(loading), undo_(undo) {
    loop_.onDueLessonDone = [this] { backToChosenSet(); };
}

void DueReview::startDueLesson() {
    LessonState& L = s_.lesson;
    if (L.replyInProgress)
        return;
    std::vector<CardArray::CardRow> entries;
    try {
        const QSqlDatabase db = s_.rs.connection();
        const qint64 today = QDate::currentDate().toJulianDay();
        // Asked for before the background build is done (just after review was turned on, an
        // import or a sync): built here, so the lesson asks what is really due.
        if (!memoryStateIsCurrent(db))
            static_cast<void>(rebuildMemoryState(db, today));
        entries = dueLessonEntries(db, today);
    } catch (const data::DbError& e) {
        s_.dialogs.warning(Text::tr("The due cards could not be read: %1").arg(e.message()));
        return;
    }
    const int n = static_cast<int>(entries.size()) - 1;
    if (n == 0) {
        s_.dialogs.message(Text::tr("Nothing is due today."));
        return;
    }
    if (s_.c.TDBGrid1->isVisibleTo(s_.c.Form1))
        s_.window.SubLeaveTdbGrid1();
    undo_.dropUndo(Text::tr("No reply of this lesson to take back yet"));
    L.CSarray.replaceFirstRows(std::move(entries));
    L.CurRowLim = n;
    L.Row = 1;
    L.demons = false;
    L.due = true;
    L.direction = 0;
    L.CheckAll = 0;
    L.BunchCorrect = 0;
    L.CurSetSize = n;
    s_.c.Text3->setText(QString());
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    s_.replyFocusMark = QStringLiteral("Yes");
    s_.window.ScrLearnVisible(); // puts the first due card's question
}

void DueReview::backToChosenSet() {
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
    loading_.ReadCurSet();
    s_.lesson.Row = 1;
}

void endDueLesson(present::Form1State& s) {
    s.lesson.due = false;
}

} // namespace learn
