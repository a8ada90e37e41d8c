// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/Demons.h"

#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "learn/DueReview.h"
#include "learn/Pause.h"
#include "learn/rules/DemonMarks.h"
#include "learn/rules/Directions.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/OrderKeys.h"
#include "present/Guarded.h"
#include "present/Twips.h"

#include <QCoreApplication>
#include <QPoint>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

// Where the Kids picture "Learn Demons" stands (twips): at the left edge while the chosen set
// is learnt, further in while the Demons are.
constexpr QPoint kPictureForSet(0, 6600);
constexpr QPoint kPictureForDemons(1800, 1500);

} // namespace

void Demons::connectControls() {
    present::Form1Controls& c = s_.c;
    QObject::connect(c.mnuLearnDemons, &QAction::triggered, c.Form1,
                     [this] { present::guarded(s_, [this] { mnuLearnDemons_Click(); }); });
}

void Demons::reopen() {
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
}

void Demons::UnmarkDemons() {
    reopen();
    clearDemonMarks(s_.rs.connection());
}

void Demons::MarkDemons() {
    reopen();
    data::Recordset& fields1 = s_.rs.fields1;
    if (!fields1.isEmpty()) {
        fields1.moveFirst();
        // A number that cannot be a count of cards marks nothing.
        if (const auto n = demonsCount(fields1.value(data::column::DemonsNum)))
            markDemons(s_.rs.connection(), *n);
    }
    reopen(); // qDemonsSet now yields the new marks
}

bool Demons::markAfresh() {
    QVariant stored;
    try {
        reopen();
        if (!s_.rs.fields1.isEmpty()) {
            s_.rs.fields1.moveFirst();
            stored = s_.rs.fields1.value(data::column::DemonsNum);
        }
        data::Transaction transaction(s_.rs.connection());
        UnmarkDemons();
        MarkDemons();
        transaction.commit();
    } catch (const data::DbError& e) {
        try {
            reopen(); // cached rows may hold what was just rolled back
        } catch (const data::DbError&) {
        }
        s_.dialogs.warning(Text::tr("The Demons could not be marked: %1\nThe marks are as "
                                    "they were, and the lesson goes on as before.")
                               .arg(e.message()));
        return false;
    }
    if (!demonsCount(stored))
        s_.dialogs.warning(Text::tr("The number of Demons stored in the database (\"%1\") "
                                    "is not a whole number, so no card was marked. Set it "
                                    "under Learn > Demons > Arrange Demons.")
                               .arg(stored.toString()));
    return true;
}

void Demons::ReadDemons() {
    LessonState& L = s_.lesson;
    endDueLesson(s_);
    undo_.dropUndo(Text::tr("No reply of this lesson to take back yet"));
    data::Recordset& demons = s_.rs.demonsSet;
    completeOrderKeysOf(s_.rs.connection(), QStringLiteral("SELECT Card_ID FROM qDemonsSet"));
    demons.requery();
    const QHash<qint64, QString> setNames = demonSetNames(s_.rs.connection());
    const QStringList columns = demons.columnNames();
    const auto col = [&](const char* name) {
        return static_cast<int>(columns.indexOf(QString::fromLatin1(name), 0));
    };
    const std::array<std::pair<int, int>, 10> source = {{
        {ColQuestion, col("Question")},
        {ColAnswer, col("Answer")},
        {ColCurStatus, col("CurStatus")},
        {ColOrder, col("Order")},
        {ColCardId, col("Card_ID")},
        {ColRating, col("Rating")},
        {ColCorrect, col("Correct")},
        {ColIncorrect, col("Incorrect")},
        {ColShowOrder, col("ShowOrder")},
        {ColDisplayQuestionNumber, col("DisplayQuestionNumber")},
    }};
    int n = demons.recordCount();
    for (int r = 0; r < n; ++r) {
        CardArray::CardRow& row = L.CSarray.row(r + 1);
        for (const auto& [column, from] : source)
            row[static_cast<size_t>(column)] = from < 0 ? QVariant() : demons.valueAt(r, from);
        row[ColDirection] = QVariant();
    }
    // Cards that became Demons asked answer to question join, each in its lesson place.
    if (std::vector<CardArray::CardRow> entries = reverseDemonEntries(s_.rs.connection());
        !entries.empty()) {
        for (int r = 1; r <= n; ++r)
            entries.push_back(L.CSarray.row(r));
        orderEntries(entries);
        n = static_cast<int>(entries.size());
        for (int r = 1; r <= n; ++r)
            L.CSarray.row(r) = std::move(entries[static_cast<size_t>(r - 1)]);
    }
    for (int r = 1; r <= n; ++r) {
        // The log names the set the card became a Demon from.
        CardArray::CardRow& row = L.CSarray.row(r);
        row[ColSetName] = setNames.value(row[ColCardId].toLongLong());
    }
    L.CurRowLim = n;
    L.CurSetSize = n;
    L.CheckAll = 0;
    L.BunchCorrect = 0;
    L.demons = true;
    L.direction = 0;
}

void Demons::mnuLearnDemons_Click() {
    reopen();
    if (s_.modes.kids) {
        KidsDeamonsClick();
    } else {
        // No lesson starts on half-made marks.
        if (!markAfresh())
            return;
        s_.c.DataCombo1->hide();
        s_.c.Label2->hide();
        s_.c.Label10->show();
        // A reply typed for the last card is not judged against a Demon, and the last
        // card's verdict goes with it.
        s_.c.Text3->setText(QString());
        s_.c.Label5->hide();
        s_.c.Label6->hide();
        ReadDemons();
        s_.lesson.Row = 1;
        if (s_.lesson.CurRowLim == 0)
            s_.c.Label7->setText(QString());
        else if (s_.c.Text3->isVisibleTo(s_.c.Form1))
            loop_.MakeQuestion();
    }
    loop_.SubStatusBar();
}

bool Demons::kidsPictureAtLeft() const {
    return s_.c.Picture[11]->x() == present::twipsToPixels(kPictureForSet.x(), s_.c.Picture[11]);
}

void Demons::leaveKidsDemons() {
    present::placeTwips(s_.c.Picture[11], kPictureForSet.x(), kPictureForSet.y());
    s_.c.DataCombo1->show();
    UnmarkDemons();
    setLoading_.ZadatPervVopr();
    s_.lesson.CurSetSize = s_.lesson.CurRowLim;
    loop_.SubStatusBar();
}

void Demons::KidsDeamonsClick() {
    reopen();
    if (!kidsPictureAtLeft()) {
        leaveKidsDemons();
        return;
    }
    s_.speech.playSound(11);
    if (!markAfresh())
        return;
    present::placeTwips(s_.c.Picture[11], kPictureForDemons.x(), kPictureForDemons.y());
    s_.c.DataCombo1->hide();
    Zaderzjka(s_);
    s_.c.Text3->setText(QString());
    ReadDemons();
    s_.lesson.Row = 1;
    if (s_.lesson.CurRowLim > 0 && s_.c.Text3->isVisibleTo(s_.c.Form1)) {
        s_.c.Text3->setFocus();
        loop_.MakeQuestion();
    }
}

void Demons::SubLeaveDemonsAfterDelete() {
    if (s_.modes.kids) {
        if (!kidsPictureAtLeft())
            leaveKidsDemons();
        return;
    }
    // Off the learning screen the layouts already show the set list instead of "Demons",
    // and the next lesson loads the chosen set.
    if (s_.lesson.demons && s_.screens.learning)
        setLoading_.Label10_Click();
}

} // namespace learn
