// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/CardGrid.h"

#include "data/RecordsetModel.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "present/ApplyLayout.h"
#include "present/GridEditor.h"
#include "present/MessageBoxDialogs.h"
#include "present/Twips.h"
#include "sets/GridRefresh.h"
#include "sets/rules/SetRules.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <algorithm>

namespace sets {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

const QString kAnswer = QStringLiteral("Answer");
const QString kCardId = QStringLiteral("Card_ID");
const QString kQuestion = QStringLiteral("Question");

QString deleteCardQuestion(const QString& question) {
    // Shortened as a box shortens its text, leaving room for the sentence around it.
    constexpr qsizetype kLongestQuestion = 900;
    return Text::tr("Are you sure you want to delete the card \"%1\"?")
        .arg(present::shortenedForBox(question, kLongestQuestion));
}

bool inside(const QWidget* grid, const QObject* object) {
    const auto* w = qobject_cast<const QWidget*>(object);
    return w && (w == grid || grid->isAncestorOf(w));
}

// Watches the application for the moments an open cell editor and a new row must be written:
// a click anywhere else in the window (labels used as buttons take no focus), the grid being
// hidden by a screen change, and the Delete key on selected rows. Clicks in other windows (a
// message box) leave the grid alone.
class GridWatcher : public QObject {
  public:
    explicit GridWatcher(CardGrid& grid, QTableView* view) : grid_(grid), view_(view) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (watched->isWidgetType() && !inside(view_, watched) &&
                static_cast<QWidget*>(watched)->window() == view_->window())
                grid_.commitPendingEdit();
            break;
        case QEvent::Hide:
            if (watched == view_)
                grid_.commitPendingEdit();
            break;
        case QEvent::KeyPress:
            if (watched == view_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
                !view_->selectionModel()->selectedRows().isEmpty()) {
                grid_.deleteSelectedRows();
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

  private:
    CardGrid& grid_;
    QTableView* view_;
};

} // namespace

CardGrid::CardGrid(present::Form1State& s) : s_(s) {}

CardGrid::~CardGrid() {
    if (watcher_)
        qApp->removeEventFilter(watcher_.get());
}

void CardGrid::connectControls() {
    QTableView* g = s_.c.TDBGrid2;
    data::RecordsetModel* m = s_.c.Adodc2;
    watcher_ = std::make_unique<GridWatcher>(*this, g);
    // A new card is stored whole when its row is left, never a question without its answer.
    m->setHoldsNewRow(true);
    g->installEventFilter(watcher_.get());
    qApp->installEventFilter(watcher_.get());
    QObject* ctx = watcher_.get();

    // A multiple-answer card's Answer cell only carries the mark; its answers are edited
    // in their own grid.
    m->setCellLocked([m](int row, const QString& column) {
        return column.compare(kAnswer, Qt::CaseInsensitive) == 0 &&
               isMultiAnswer(m->valueAt(row, kAnswer));
    });

    QObject::connect(m, &data::RecordsetModel::afterRowAdded, ctx,
                     [this](int row) { TDBGrid2_AfterInsert(row); });
    QObject::connect(m, &data::RecordsetModel::beforeRowWrite, ctx,
                     [this](int row, bool* cancel) { TDBGrid2_BeforeUpdate(row, cancel); });
    QObject::connect(m, &data::RecordsetModel::afterRowWrite, ctx,
                     [this](int row) { TDBGrid2_AfterUpdate(row); });
    QObject::connect(m, &data::RecordsetModel::beforeRowDelete, ctx,
                     [this](int row, bool* cancel) { TDBGrid2_BeforeDelete(row, cancel); });
    QObject::connect(
        m, &data::RecordsetModel::currentRowChanged, ctx,
        [this](int previous, int current) { TDBGrid2_RowColChange(previous, current); });
    QObject::connect(m, &data::RecordsetModel::focusLeft, ctx, [this] { TDBGrid2_LostFocus(); });
    QObject::connect(m, &data::RecordsetModel::writeFailed, ctx,
                     [this](const QString& message) { TDBGrid2_WriteFailed(message); });

    QObject::connect(g->selectionModel(), &QItemSelectionModel::currentRowChanged, ctx,
                     [m](const QModelIndex& current) { m->setCurrentRow(current.row()); });
    QObject::connect(qApp, &QApplication::focusChanged, ctx, [g, m](QWidget* old, QWidget* now) {
        if (old && now && inside(g, old) && !inside(g, now))
            m->notifyFocusLeft();
    });

    // Opening a menu writes what is being typed before the command runs.
    for (QMenu* menu : s_.c.Form1->menuBar()->findChildren<QMenu*>())
        QObject::connect(menu, &QMenu::aboutToShow, ctx, [this] { commitPendingEdit(); });

    // Queued, so that whoever records the chosen set has done so before the grid reads it.
    // A pick of the user re-reads the grid itself; reading 10,000 cards twice would be slow.
    QObject::connect(s_.c.DataCombo1, &QComboBox::currentIndexChanged, ctx, [this, m] {
        QMetaObject::invokeMethod(
            watcher_.get(), [this, since = m->refreshCount()] { refreshGridUnlessSince(since); },
            Qt::QueuedConnection);
    });
}

void CardGrid::reopen() {
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
}

bool CardGrid::commitPendingEdit() {
    if (committing_)
        return false;
    committing_ = true;
    present::commitOpenEditor(s_.c.TDBGrid2);
    const bool stored = s_.c.Adodc2->storePendingRow();
    committing_ = false;
    return stored;
}

void CardGrid::refreshGrid() {
    refreshGridUnlessSince(s_.c.Adodc2->refreshCount());
}

void CardGrid::refreshGridUnlessSince(int refreshCount) {
    commitPendingEdit();
    if (s_.c.Adodc2->refreshCount() == refreshCount)
        refreshCardGrid(s_.c.TDBGrid2, s_.c.Adodc2);
    // The grid has no current card now; answers shown belonged to the set left.
    if (!s_.modes.kids && s_.c.TDBGrid1->isVisibleTo(s_.c.Form1))
        hideMultiEditor();
}

void CardGrid::SubCreateNewCard() {
    try {
        if (!s_.rs.isLoaded())
            s_.rs.LoadAll();
        s_.rs.countCSRexist.requery();
        if (s_.rs.countCSRexist.value(data::column::Countt).toInt() > 0)
            return;
        // Only a card typed into this grid is tied here: the placeholder card left after
        // deleting sets is the newest card too, and belongs to no set on purpose.
        if (!lastAddedCardId_.isValid())
            return;
        const QVariant setId = s_.rs.curSetID.value(QStringLiteral("Set_ID"));
        reopen();
        const QVariant cardId = s_.rs.maxCardId();
        if (cardId.toString() == lastAddedCardId_.toString()) {
            data::Transaction t(s_.rs.connection());
            s_.rs.setCardRel.addNew();
            s_.rs.setCardRel.setValue(kCardId, cardId);
            s_.rs.setCardRel.setValue(QStringLiteral("Set_ID"), setId);
            s_.rs.setCardRel.update();
            // A new card comes last in the learning order of its set.
            data::exec(s_.rs.connection(),
                       QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID = ?"),
                       {cardId});
            t.commit();
        }
    } catch (const data::DbError&) {
        // A later call ties the card: it is still the newest one without a set.
    }
    try {
        reopen();
    } catch (const data::DbError&) {
    }
}

void CardGrid::SubReturnToProperTableRow(const QString& CurTabRowID) {
    QTableView* g = s_.c.TDBGrid2;
    data::RecordsetModel* m = s_.c.Adodc2;
    const int rows = m->dataRowCount();
    if (g->currentIndex().row() >= rows)
        return; // at the end already
    QVariantList ids;
    for (int r = 0; r < rows; ++r)
        ids << m->valueAt(r, kCardId);
    const int found = rowOfCardId(ids, CurTabRowID);
    const int column = std::max(g->currentIndex().column(), 1);
    g->setCurrentIndex(m->index(found < 0 ? m->rowCount() - 1 : found, column));
}

void CardGrid::TDBGrid2_AfterInsert(int row) {
    // A new card is stored when its row is left, so the grid stays where the user went.
    lastAddedCardId_ = s_.c.Adodc2->valueAt(row, kCardId);
    SubCreateNewCard();
    rowAddedMark = 1;
}

void CardGrid::TDBGrid2_BeforeUpdate(int, bool*) {
    if (writeSuppressMark != QStringLiteral("net"))
        s_.rs.UnloadAll();
    else
        writeSuppressMark = QStringLiteral("da");
}

void CardGrid::TDBGrid2_AfterUpdate(int) {
    if (writeSuppressMark != QStringLiteral("net"))
        s_.rs.LoadAll();
    else
        writeSuppressMark = QStringLiteral("da");
}

void CardGrid::TDBGrid2_BeforeDelete(int, bool*) {
    reopen();
}

void CardGrid::TDBGrid2_RowColChange(int, int current) {
    if (s_.modes.kids || current < 0)
        return;
    if (!firstRowChangeMark) {
        firstRowChangeMark = true;
        return;
    }
    if (current < s_.c.Adodc2->dataRowCount() &&
        isMultiAnswer(s_.c.Adodc2->valueAt(current, kAnswer))) {
        s_.window.SubShowMultiple();
        return;
    }
    hideMultiEditor();
}

void CardGrid::hideMultiEditor() {
    // Answers typed into the list go with it otherwise: another set chosen hides it while the
    // focus may still be in it.
    if (s_.c.TDBGrid1->isVisibleTo(s_.c.Form1))
        s_.window.SubLeaveTdbGrid1();
    s_.c.TDBGrid1->hide();
    present::setScreenWidthTwips(s_.c, 6600);
    s_.c.Form1->move(present::twipsToPixels(5280, s_.c.Form1), s_.c.Form1->y());
    s_.c.Command4->hide();
    s_.c.Command5->hide();
}

void CardGrid::TDBGrid2_LostFocus() {
    // The cell editor writes itself when it loses the focus; this catches any left open.
    commitPendingEdit();
    if (!s_.c.TDBGrid1->isVisibleTo(s_.c.Form1) && firstLeaveMark == 0)
        SubCreateNewCard();
    firstLeaveMark = 0;
}

void CardGrid::TDBGrid2_WriteFailed(const QString& message) {
    // The write never reached its after-write notification: reopen what it closed.
    try {
        if (!s_.rs.isLoaded())
            s_.rs.LoadAll();
    } catch (const data::DbError&) {
    }
    bool setChosen = true;
    try {
        setChosen =
            data::scalar(s_.rs.connection(), QStringLiteral("SELECT COUNT(*) FROM qCurrentSetID"))
                .toInt() > 0;
    } catch (const data::DbError&) {
    }
    if (!setChosen) {
        s_.dialogs.warning(
            Text::tr("Choose a set in the list before typing its cards. The card was not saved."));
        return;
    }
    s_.dialogs.warning(Text::tr("The card could not be saved.\n\n%1").arg(message));
}

void CardGrid::deleteSelectedRows() {
    QTableView* g = s_.c.TDBGrid2;
    data::RecordsetModel* m = s_.c.Adodc2;
    QList<int> rows;
    for (const QModelIndex& index : g->selectionModel()->selectedRows()) {
        if (index.row() < m->dataRowCount())
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    // The key deletes at once and nothing brings a card back: each card is named and asked
    // for, No by default.
    QList<int> confirmed;
    for (int row : rows) {
        if (s_.dialogs.confirm(deleteCardQuestion(m->valueAt(row, kQuestion).toString()), QString(),
                               present::Dialogs::Button::No))
            confirmed << row;
    }
    std::sort(confirmed.begin(), confirmed.end(), std::greater<int>());
    for (int row : confirmed)
        m->removeRows(row, 1);
}

} // namespace sets
