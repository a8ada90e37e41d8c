// SPDX-License-Identifier: GPL-3.0-or-later
// Taking the last judged reply back: Learn > Undo last reply and its key.

#include "data/Sql.h"
#include "learn/Guarded.h"
#include "learn/QuestionLoop.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTableView>

namespace learn {
namespace {

const QString kNothingYet = QStringLiteral("No reply to take back yet");
const QString kTakenBack =
    QStringLiteral("The last reply was taken back; the next judged reply can be taken back");

bool isUndoKey(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Z && key->modifiers() == Qt::ControlModifier;
}

// Ctrl+Z in the reply box or the replies grid takes the reply back instead of undoing text
// there: the line editors would otherwise claim the key before the menu entry sees it.
class UndoKey : public QObject {
  public:
    UndoKey(QObject* parent, QAction* action, QWidget* replyBox, QWidget* replyGrid)
        : QObject(parent), action_(action), box_(replyBox), grid_(replyGrid) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool key =
            event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
        if (!key || !isUndoKey(event) || !action_->isEnabled() || !isReplyControl(watched))
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::ShortcutOverride)
            event->accept(); // the key press comes here, not to the shortcut
        else
            action_->trigger();
        return true;
    }

  private:
    bool isReplyControl(QObject* watched) const {
        for (QObject* o = watched; o; o = o->parent()) {
            if (o == box_ || o == grid_)
                return true;
        }
        return false;
    }

    QAction* action_;
    QWidget* box_;
    QWidget* grid_;
};

} // namespace

void QuestionLoop::installUndoKey() {
    present::Form1Controls& c = s_.c;
    if (!c.mnuUndoReply)
        return;
    QObject::connect(c.mnuUndoReply, &QAction::triggered, c.Form1,
                     [this] { guarded(s_, [this] { undoLastReply(); }); });
    QCoreApplication::instance()->installEventFilter(
        new UndoKey(c.Form1, c.mnuUndoReply, c.Text3, c.TDBGrid3));
    dropUndo(kNothingYet);
}

void QuestionLoop::dropUndo(const QString& why) {
    undo_.reset();
    if (QAction* a = s_.c.mnuUndoReply) {
        a->setEnabled(false);
        a->setToolTip(why);
    }
}

void QuestionLoop::noteUndoPoint() {
    LessonState& L = s_.lesson;
    undoPending_.reset();
    loggedRow_.reset();
    undoRefused_.clear();
    UndoPoint p;
    p.row = L.Row;
    p.curSetSize = L.CurSetSize;
    p.checkAll = L.CheckAll;
    p.bunchCorrect = L.BunchCorrect;
    p.curRowLim = L.CurRowLim;
    p.card = L.CSarray.row(L.Row);
    try {
        p.stored = readStoredWeights(s_.rs.connection(), L.CSarray.at(L.Row, ColCardId));
    } catch (const data::DbError&) {
        return; // judging goes on; only this reply cannot be taken back
    }
    if (p.stored)
        undoPending_ = p;
}

void QuestionLoop::keepUndoPoint() {
    std::optional<UndoPoint> p = std::exchange(undoPending_, std::nullopt);
    const std::optional<qint64> logRow = std::exchange(loggedRow_, std::nullopt);
    if (!undoRefused_.isEmpty()) {
        dropUndo(undoRefused_);
        return;
    }
    if (!p || !logRow) {
        // Not judged, or not stored: there is nothing of it to take back.
        if (p)
            dropUndo(kNothingYet);
        return;
    }
    p->logRow = *logRow;
    undo_ = p;
    if (QAction* a = s_.c.mnuUndoReply) {
        a->setEnabled(true);
        a->setToolTip(QStringLiteral("Takes your last reply back and asks its question again"));
    }
}

void QuestionLoop::undoLastReply() {
    if (!undo_)
        return;
    const UndoPoint p = *undo_;
    LessonState& L = s_.lesson;
    const QVariant cardId = p.card[ColCardId];
    if (L.CurRowLim != p.curRowLim || L.CSarray.at(p.row, ColCardId) != cardId) {
        dropUndo(kNothingYet); // another lesson was loaded meanwhile
        return;
    }
    try {
        undoStoredReply(s_.rs.connection(), cardId, *p.stored, p.logRow);
    } catch (const data::DbError& e) {
        s_.dialogs.warning(QStringLiteral("The reply could not be taken back: %1\nThe score, "
                                          "the log and the lesson are as they were.")
                               .arg(e.message()));
        return;
    }
    dropUndo(kTakenBack);
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
    s_.c.Text3->clear();
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    s_.c.Picture[10]->hide();
    s_.c.Command21->setEnabled(false);
    MakeQuestion();
    if (s_.c.TDBGrid3->isVisibleTo(s_.c.Form1))
        s_.c.TDBGrid3->setFocus();
    else if (s_.c.Text3->isVisibleTo(s_.c.Form1))
        s_.c.Text3->setFocus();
    SubStatusBar();
}

} // namespace learn
