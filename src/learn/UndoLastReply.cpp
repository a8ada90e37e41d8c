// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/UndoLastReply.h"

#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "present/Guarded.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <functional>
#include <utility>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

// Read where they are shown, so they follow a change of language.
QString nothingYet() {
    return Text::tr("No reply to take back yet");
}
QString takenBack() {
    return Text::tr("The last reply was taken back; the next judged reply can be taken back");
}
QString beingStored() {
    return Text::tr("The reply is being stored");
}
QString canTakeBack() {
    return Text::tr("Takes your last reply back and asks its question again");
}

bool isUndoKey(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Z && key->modifiers() == Qt::ControlModifier;
}

// Ctrl+Z on the learning screen. While a reply is being typed it undoes the typing, as in
// any text box, and never takes a reply back; otherwise, in the reply box or the reply grid,
// it takes the last reply back instead of undoing text there (the line editors would claim
// the key before the menu entry sees it).
class UndoKey : public QObject {
  public:
    UndoKey(QObject* parent, QAction* action, QWidget* window, QWidget* replyBox,
            QWidget* replyGrid, std::function<bool()> typing)
        : QObject(parent), action_(action), window_(window), box_(replyBox), grid_(replyGrid),
          typing_(std::move(typing)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool key =
            event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!key || !isUndoKey(event) || !widget || widget->window() != window_)
            return QObject::eventFilter(watched, event);
        if (typing_()) {
            // Never the shortcut: a reply box undoes its own typing, elsewhere the key does
            // nothing.
            const bool ownUndo = qobject_cast<QLineEdit*>(watched) && isReplyControl(watched);
            if (event->type() == QEvent::KeyPress && ownUndo)
                return QObject::eventFilter(watched, event);
            return swallow(event);
        }
        if (!action_->isEnabled() || !isReplyControl(watched))
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::KeyPress)
            action_->trigger();
        return swallow(event);
    }

  private:
    static bool swallow(QEvent* event) {
        if (event->type() == QEvent::ShortcutOverride)
            event->accept(); // the key press comes here, not to the shortcut
        return true;
    }
    bool isReplyControl(QObject* watched) const {
        for (QObject* o = watched; o; o = o->parent()) {
            if (o == box_ || o == grid_)
                return true;
        }
        return false;
    }

    QAction* action_;
    QWidget* window_;
    QWidget* box_;
    QWidget* grid_;
    std::function<bool()> typing_;
};

} // namespace

void UndoLastReply::connectControls() {
    present::Form1Controls& c = s_.c;
    if (!c.mnuUndoReply)
        return;
    QObject::connect(c.mnuUndoReply, &QAction::triggered, c.Form1,
                     [this] { present::guarded(s_, [this] { undoLastReply(); }); });
    QCoreApplication::instance()->installEventFilter(
        new UndoKey(c.Form1, c.mnuUndoReply, c.Form1, c.Text3, c.TDBGrid3,
                    [this] { return replyBeingTyped(); }));
    dropUndo(nothingYet());
}

bool UndoLastReply::replyBeingTyped() const {
    const present::Form1Controls& c = s_.c;
    if (c.Text3->isVisibleTo(c.Form1))
        return !c.Text3->text().isEmpty();
    if (!c.TDBGrid3->isVisibleTo(c.Form1))
        return false;
    const QModelIndex current = c.TDBGrid3->currentIndex();
    if (auto* editor = qobject_cast<QLineEdit*>(c.TDBGrid3->indexWidget(current));
        editor && !editor->text().isEmpty())
        return true;
    // A reply stored in a row of the grid: the model's extra row for a new entry is none.
    for (int r = 0; r < c.Adodc4->rowCount(); ++r) {
        if (!c.Adodc4->isNewRow(r))
            return true;
    }
    return false;
}

void UndoLastReply::holdUndo() {
    if (QAction* a = s_.c.mnuUndoReply) {
        heldUndoTip_ = a->toolTip();
        a->setEnabled(false);
        a->setToolTip(beingStored());
    }
}

void UndoLastReply::dropUndo(const QString& why) {
    undo_.reset();
    if (QAction* a = s_.c.mnuUndoReply) {
        a->setEnabled(false);
        a->setToolTip(why);
    }
}

void UndoLastReply::refuseUndo(const QString& why) {
    undoRefused_ = why;
    dropUndo(why);
}

void UndoLastReply::noteUndoPoint() {
    LessonState& L = s_.lesson;
    undoPending_.reset();
    undoRefused_.clear();
    UndoPoint p;
    p.row = L.Row;
    p.curSetSize = L.CurSetSize;
    p.checkAll = L.CheckAll;
    p.bunchCorrect = L.BunchCorrect;
    p.curRowLim = L.CurRowLim;
    p.card = L.CSarray.row(L.Row);
    try {
        p.stored = readStoredWeights(s_.rs.connection(), L.CSarray.at(L.Row, ColCardId),
                                     isReverseEntry(p.card));
    } catch (const data::DbError&) {
        return; // judging goes on; only this reply cannot be taken back
    }
    if (p.stored)
        undoPending_ = p;
}

void UndoLastReply::keepUndoPoint(std::optional<qint64> logRow) {
    std::optional<UndoPoint> p = std::exchange(undoPending_, std::nullopt);
    if (!undoRefused_.isEmpty()) {
        dropUndo(undoRefused_);
        return;
    }
    if (p && !logRow) {
        dropUndo(nothingYet()); // judged but not stored: there is nothing of it to take back
        return;
    }
    if (p) {
        p->logRow = *logRow;
        undo_ = p;
    }
    // Not judged at all (no question was on screen): the reply before stays the last one.
    if (QAction* a = s_.c.mnuUndoReply) {
        a->setEnabled(undo_.has_value());
        a->setToolTip(undo_ ? canTakeBack() : heldUndoTip_);
    }
}

void UndoLastReply::undoLastReply() {
    // Never inside the judging of another reply: that one is the last, once stored.
    if (!undo_ || s_.lesson.replyInProgress)
        return;
    const ReplyInProgress busy(s_.lesson);
    const UndoPoint p = *undo_;
    LessonState& L = s_.lesson;
    const QVariant cardId = p.card[ColCardId];
    const bool reverse = isReverseEntry(p.card);
    if (L.CurRowLim != p.curRowLim || entryAt(L.CSarray, p.row) != EntryKey{cardId, reverse}) {
        dropUndo(nothingYet()); // another lesson was loaded meanwhile
        return;
    }
    try {
        undoStoredReply(s_.rs.connection(), cardId, *p.stored, p.logRow, reverse);
    } catch (const data::DbError& e) {
        s_.dialogs.warning(Text::tr("The reply could not be taken back: %1\nThe score, "
                                    "the log and the lesson are as they were.")
                               .arg(e.message()));
        return;
    }
    dropUndo(takenBack());
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
    if (s_.rs.log.isOpen())
        s_.rs.log.requery();
    L.CSarray.row(p.row) = p.card;
    L.Row = p.row;
    L.CurSetSize = p.curSetSize;
    L.CheckAll = p.checkAll;
    L.BunchCorrect = p.bunchCorrect;
    L.LogResult.clear();
    s_.c.Text3->setText(QString());
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    s_.c.Picture[10]->hide();
    s_.c.Command21->setEnabled(false);
    steps_.MakeQuestion();
    if (s_.c.TDBGrid3->isVisibleTo(s_.c.Form1))
        s_.c.TDBGrid3->setFocus();
    else if (s_.c.Text3->isVisibleTo(s_.c.Form1))
        s_.c.Text3->setFocus();
    steps_.SubStatusBar();
}

} // namespace learn
