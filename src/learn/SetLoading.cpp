// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/SetLoading.h"

#include "data/RecordsetModel.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "learn/DueReview.h"
#include "learn/rules/Directions.h"
#include "learn/rules/LessonRules.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/OrderKeys.h"
#include "present/Guarded.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTableView>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

bool shownOn(const QWidget* w, const QWidget* window) {
    return w->isVisibleTo(window);
}

} // namespace

void SetLoading::connectControls() {
    present::Form1Controls& c = s_.c;
    // Only the user's choice counts: the list also changes when its rows are re-read.
    QObject::connect(c.DataCombo1, &QComboBox::activated, c.Form1,
                     [this] { present::guarded(s_, [this] { DataCombo1_Change(); }); });
    QObject::connect(c.mnuLearn, &QAction::triggered, c.Form1, [this] { mnuLearn_Click(); });
    QObject::connect(c.mnuWholeSet, &QAction::triggered, c.Form1,
                     [this] { present::guarded(s_, [this] { mnuWholeSet_Click(); }); });
    QObject::connect(c.Label10, &present::ClickableLabel::clicked, c.Form1,
                     [this] { present::guarded(s_, [this] { Label10_Click(); }); });
    QObject::connect(c.Adodc1, &QAbstractItemModel::modelReset, c.Form1,
                     [this] { showChosenSet(); });
    showChosenSet();
}

void SetLoading::showChosenSet() {
    // The list's source yields the chosen set first.
    if (s_.c.DataCombo1->count() == 0)
        return;
    s_.c.DataCombo1->setCurrentIndex(0);
    // When the chosen set names no set (a database edited elsewhere), the set the list shows
    // becomes the chosen one, so the list and Learn agree.
    const QString shown = s_.c.DataCombo1->currentText();
    try {
        const QSqlDatabase db = s_.rs.connection();
        if (data::scalar(db, QStringLiteral("SELECT SetName FROM Fields LIMIT 1")).toString() ==
            shown)
            return;
        data::exec(db, QStringLiteral("UPDATE Fields SET SetName = ?"), {shown});
        s_.rs.UnloadAll();
        s_.rs.LoadAll();
        s_.c.Adodc2->refresh();
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            Text::tr("The database could not be read or written: %1").arg(e.message()));
    }
}

void SetLoading::DataCombo1_Change() {
    const QString picked = s_.c.DataCombo1->currentText();
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
    // Picking the set already chosen changes nothing (and does not restart a lesson); during
    // the Due lesson it goes back to that set.
    if (!s_.rs.fields.isEmpty() && !s_.lesson.due) {
        s_.rs.fields.moveFirst();
        const QVariant chosen = s_.rs.fields.value(data::column::SetName);
        if (!chosen.isNull() && chosen.toString() == picked)
            return;
    }
    ChosenSetNameToDB();

    const QWidget* window = s_.c.Form1;
    if (shownOn(s_.c.Label4, window) && !shownOn(s_.c.TDBGrid2, window)) {
        ZadatPervVopr();
        s_.lesson.CurSetSize = s_.lesson.CurRowLim;
        loop_.SubStatusBar();
    } else if (shownOn(s_.c.TDBGrid2, window)) {
        data::exec(s_.rs.connection(), QStringLiteral("DELETE FROM MultipleReply"));
        s_.c.Adodc4->refresh();
        s_.c.Adodc2->refresh();
        s_.c.TDBGrid2->viewport()->update();
        s_.c.Label5->hide();
        s_.c.Label6->hide();
    }
}

void SetLoading::ChosenSetNameToDB() {
    data::Recordset& fields = s_.rs.fields;
    if (fields.isEmpty())
        fields.addNew();
    else
        fields.moveFirst();
    fields.setValue(data::column::SetName, s_.c.DataCombo1->currentText());
    fields.update();
    if (fields.isEmpty())
        return;
    fields.moveFirst();
    if (fields.value(data::column::Load).toDouble() == 0) {
        s_.c.Form1->update();
    } else {
        // Chosen during start-up: the program now runs.
        fields.setValue(data::column::Load, 0);
        fields.update();
    }
}

void SetLoading::ReadCurSet() {
    LessonState& L = s_.lesson;
    undo_.dropUndo(Text::tr("No reply of this lesson to take back yet"));
    data::Recordset& cur = s_.rs.curSet;
    // The set comes in the order of its keys: a pass still pending is done for its cards.
    completeOrderKeysOf(s_.rs.connection(), QStringLiteral("SELECT Card_ID FROM qCurrentSet"));
    cur.requery();
    int counter = 1;
    SetDirection direction = SetDirection::Forward;
    if (const std::optional<int> n =
            readLessonEntries(s_.rs.connection(), cur.source(), L.CSarray, &direction)) {
        counter = *n + 1;
    } else if (!cur.isEmpty()) {
        const QStringList columns = cur.columnNames();
        const auto col = [&](const char* name) {
            return static_cast<int>(columns.indexOf(QString::fromLatin1(name), 0));
        };
        // By name; a source without SetName (the Demons) leaves that column empty.
        const std::array<int, CardArray::kColumns> source = {-1,
                                                             col("Question"),
                                                             col("Answer"),
                                                             col("SetName"),
                                                             col("CurStatus"),
                                                             col("Order"),
                                                             col("Card_ID"),
                                                             col("Rating"),
                                                             col("Correct"),
                                                             col("Incorrect"),
                                                             col("ShowOrder"),
                                                             col("DisplayQuestionNumber")};
        const int n = cur.recordCount();
        for (int r = 0; r < n; ++r, ++counter) {
            CardArray::CardRow& row = L.CSarray.row(counter);
            for (int c = ColQuestion; c <= ColDisplayQuestionNumber; ++c)
                row[static_cast<size_t>(c)] = source[static_cast<size_t>(c)] < 0
                                                  ? QVariant()
                                                  : cur.valueAt(r, source[static_cast<size_t>(c)]);
            row[ColDirection] = QVariant();
        }
    }
    L.CurRowLim = counter - 1;
    L.demons = false;
    endDueLesson(s_);
    L.direction = static_cast<int>(direction);
    // "Correct", "Wrong" or a face told of a reply in the lesson before, not in this one.
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    s_.c.Picture[10]->hide();
    // A new set starts with nothing counted, its whole size the first bunch.
    L.CheckAll = 0;
    L.BunchCorrect = 0;
    L.CurSetSize = L.CurRowLim;
    loop_.SubStatusBar();
}

void SetLoading::ZadatPervVopr() {
    LessonState& L = s_.lesson;
    data::Recordset& cur = s_.rs.curSet;
    cur.requery();
    bool questionPut = false;
    if (cur.isEmpty()) {
        s_.c.Label7->setText(QString());
        // Nothing of an earlier set may stay askable: the check button would judge a card
        // the learner cannot see.
        ReadCurSet();
    } else {
        ReadCurSet();
        L.Row = 1;
        if (s_.startupComplete) {
            if (s_.modes.kids) {
                while (L.Row <= L.CurRowLim && isMultiAnswerCard(L.CSarray.at(L.Row, ColAnswer)))
                    ++L.Row;
                if (L.Row > L.CurRowLim) {
                    loop_.SubEndOfSet();
                    return;
                }
            }
            loop_.MakeQuestion();
            questionPut = true;
        }
    }
    s_.c.Adodc2->refresh();
    s_.rs.curSet.requery();
    // The row just asked stays the row judged next.
    if (!questionPut)
        L.Row = 1;
}

void SetLoading::ObnulStatus() {
    // Every card is asked again: the next bunch is the whole set, and the bar says so now.
    zeroStatuses(s_.lesson);
    s_.lesson.CurSetSize = s_.lesson.CurRowLim;
    loop_.SubStatusBar();
}

void SetLoading::learnChosenSet() {
    // Moving the card grid's current row commits an edit still open in it.
    QTableView* grid = s_.c.TDBGrid2;
    const QModelIndex current = grid->currentIndex();
    if (current.isValid()) {
        grid->setCurrentIndex(grid->model()->index(current.row() + 1, current.column()));
        grid->setCurrentIndex(grid->model()->index(current.row(), current.column()));
    }
    s_.lesson.Row = 1;
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
    ReadCurSet();
    s_.window.ScrLearnVisible();
    s_.c.Command21->setEnabled(false);
}

void SetLoading::mnuLearn_Click() {
    try {
        s_.replyFocusMark = QStringLiteral("Yes");
        if (s_.c.TDBGrid1->isVisibleTo(s_.c.Form1))
            s_.window.SubLeaveTdbGrid1();
        learnChosenSet();
    } catch (const speech::SpeechUnavailable&) {
        s_.window.SubErrorHandler429();
    } catch (const data::DbError& e) {
        s_.dialogs.warning(Text::tr("The set could not be loaded: %1").arg(e.message()));
    }
}

void SetLoading::mnuWholeSet_Click() {
    ObnulStatus();
    s_.dialogs.message(
        Text::tr("The current set has been reset. All questions of the set are available now."),
        QGuiApplication::applicationDisplayName());
}

void SetLoading::Label10_Click() {
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
    s_.c.DataCombo1->show();
    s_.c.Label2->show();
    s_.c.Label10->hide();
    ZadatPervVopr();
    // The bunch is the chosen set's now, not what was left of the Demons.
    s_.lesson.CurSetSize = s_.lesson.CurRowLim;
    loop_.SubStatusBar();
}

} // namespace learn
