// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/QuestionLoop.h"

#include "data/RecordsetModel.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "learn/rules/Directions.h"
#include "learn/rules/LessonRules.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/Ordering.h"
#include "learn/rules/SetVoice.h"
#include "present/Announcements.h"
#include "present/ApplyLayout.h"
#include "present/Guarded.h"
#include "present/LayoutScaler.h"
#include "present/QuestionArea.h"
#include "present/Twips.h"
#include "speech/DefaultVoice.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QStatusBar>
#include <QTableView>
#include <functional>
#include <utility>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

// Read where it is shown, so it follows a change of language.
QString noRecordsText() {
    return Text::tr("There are no records in this set.Populate the current set with records or "
                    "select another set to learn.");
}

// Tells when the reply box receives the focus.
class FocusInWatcher : public QObject {
  public:
    FocusInWatcher(QObject* parent, std::function<void()> onFocusIn)
        : QObject(parent), onFocusIn_(std::move(onFocusIn)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            onFocusIn_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onFocusIn_;
};

} // namespace

void QuestionLoop::connectControls() {
    present::Form1Controls& c = s_.c;
    QObject::connect(c.Command21, &QPushButton::clicked, c.Form1, [this] { Command21_Click(); });
    QObject::connect(c.Command3, &QPushButton::clicked, c.Form1,
                     [this] { present::guarded(s_, [this] { Command3_Click(); }); });
    QObject::connect(c.Label3, &present::ClickableLabel::clicked, c.Form1,
                     [this] { present::guarded(s_, [this] { Label3_Click(); }); });
    QObject::connect(c.Text3, &QLineEdit::textChanged, c.Form1, [this] { Text3_Change(); });
    // Enter in the reply box checks the reply, once there is one to check.
    QObject::connect(c.Text3, &QLineEdit::returnPressed, c.Form1, [this] {
        if (s_.c.Command21->isEnabled())
            s_.c.Command21->click();
    });
    c.Text3->installEventFilter(new FocusInWatcher(c.Text3, [this] { Text3_GotFocus(); }));
}

bool QuestionLoop::rowIsLoaded() const {
    const LessonState& L = s_.lesson;
    return L.CurRowLim > 0 && L.Row >= 1 && L.Row <= L.CurRowLim;
}

// Visible on the window's current layout, whether or not the window itself is on screen.
bool QuestionLoop::shown(const QWidget* w) const {
    return w->isVisibleTo(s_.c.Form1);
}

void QuestionLoop::noEntriesInSet() {
    s_.dialogs.message(noRecordsText());
    s_.c.Command21->setEnabled(false);
    s_.c.Command3->setEnabled(false);
}

void QuestionLoop::useVoiceOfSet(const QString& setName) {
    QString own;
    QString shared;
    try {
        own = setVoice(s_.rs.connection(), setName);
        shared = databaseVoice(s_.rs.connection());
    } catch (const data::DbError&) {
        // An unreadable choice costs only the voice: the question is still spoken.
    }
    const QString voice = speech::voiceForSet(own, shared, s_.speech.voices(), QLocale::system());
    if (!voice.isEmpty())
        s_.speech.setVoice(voice);
}

void QuestionLoop::speakOrShow(const QString& question) {
    if (!s_.modes.Silent) {
        present::setQuestionShown(s_.c, false);
        try {
            // In a Demons lesson each card names the set it came from.
            useVoiceOfSet(s_.lesson.CSarray.at(s_.lesson.Row, ColSetName).toString());
            s_.speech.speak(question);
            return;
        } catch (const speech::SpeechUnavailable&) {
            // Back to Silent mode: the question is shown instead.
            s_.window.SubErrorHandler429();
            present::setQuestionShown(s_.c, true);
        }
    }
    s_.c.Label7->setText(question);
}

void QuestionLoop::layoutReplyBox(bool multi) {
    present::Form1Controls& c = s_.c;
    c.Text3->setVisible(!multi);
    c.TDBGrid3->setVisible(multi);
    present::placeLearningControls(c, multi);
    if (multi)
        c.TDBGrid3->setFocus();
}

void QuestionLoop::MakeQuestion() {
    LessonState& L = s_.lesson;
    // The database part comes first: if it fails, the lesson stays on the question on screen.
    bool multi = false;
    try {
        // The replies typed for the previous question go.
        data::exec(s_.rs.connection(), QStringLiteral("DELETE FROM MultipleReply"));
        s_.rs.UnloadAll();
        s_.rs.LoadAll();
        s_.c.Adodc4->refresh();
        s_.c.TDBGrid3->viewport()->update();
        s_.rs.UnloadAll();
        s_.rs.LoadAll();

        if (!rowIsLoaded()) {
            // Nothing loaded (an empty set): no question to put.
            shownEntry_ = EntryKey{};
            s_.c.Label7->setText(QString());
            if (onQuestionPut)
                onQuestionPut(QVariant(), 0);
            SubStatusBar();
            return;
        }
        if (s_.modes.kids) {
            SubRowAdjustForMulti();
            if (L.Row > L.CurRowLim)
                return;
        }
        multi = !s_.modes.kids && isMultiAnswerCard(L.CSarray.at(L.Row, ColAnswer));
        if (multi) {
            // The stored queries of the multiple-answer judge select the card's answers by it.
            if (s_.rs.fields1.isEmpty())
                throw data::DbError(QStringLiteral("The settings row Fields1 is missing"));
            s_.rs.fields1.moveFirst();
            s_.rs.fields1.setValue(data::column::Multi_ID, L.CSarray.at(L.Row, ColCardId));
            s_.rs.fields1.update();
        }
    } catch (const data::DbError&) {
        backToShownQuestion();
        throw;
    }
    shownEntry_ = entryAt(L.CSarray, L.Row);
    if (onQuestionPut)
        onQuestionPut(L.CSarray.at(L.Row, ColCardId), L.Row);
    speakOrShow(L.CSarray.at(L.Row, ColQuestion).toString());
    if (!s_.modes.kids) {
        layoutReplyBox(multi);
        SubStatusBar();
    }
    announceQuestion();
}

void QuestionLoop::announceQuestion() {
    const present::Form1Controls& c = s_.c;
    const QString result = std::exchange(s_.lesson.resultToTell, QString());
    QStringList progress;
    // Said even while the status bar itself is still hidden (as the first question is put).
    for (const QLabel* panel : c.panels)
        if (!panel->isHidden())
            progress << panel->text();
    const QString question = shown(c.Label7) ? c.Label7->text() : QString();
    const QString said = present::learningAnnouncement(result, question, progress);
    present::announceOn(c.Text3, said);
    present::announceOn(c.TDBGrid3, said);
}

void QuestionLoop::backToShownQuestion() {
    LessonState& L = s_.lesson;
    if (shownEntry_.cardId.isValid()) {
        for (int r = 1; r <= L.CurRowLim; ++r) {
            if (entryAt(L.CSarray, r) == shownEntry_) {
                L.Row = r;
                return;
            }
        }
    }
    // The card on screen is not in the lesson (a set was just loaded): its text goes, and
    // the check button puts the question before it judges anything.
    shownEntry_ = EntryKey{};
    s_.c.Label7->setText(QString());
    if (onQuestionPut)
        onQuestionPut(QVariant(), 0);
}

void QuestionLoop::SubRowAdjustForMulti() {
    LessonState& L = s_.lesson;
    // Passing over a card lands on the next one still to be asked in this pass, never on one
    // answered already; past the last row the bunch ends and the next one is begun, once.
    const auto skipAnswered = [&] {
        while (L.Row <= L.CurRowLim && isLearntStatus(L.CSarray.at(L.Row, ColCurStatus)))
            ++L.Row;
    };
    bool bunchEnded = false;
    while (L.Row <= L.CurRowLim && isMultiAnswerCard(L.CSarray.at(L.Row, ColAnswer))) {
        ++L.Row;
        skipAnswered();
        if (L.Row > L.CurRowLim) {
            if (bunchEnded)
                return; // only multiple-answer cards are left: nothing to ask
            SubEndOfSet();
            bunchEnded = true;
            L.Row = 1;
            skipAnswered();
        }
    }
}

void QuestionLoop::NextValidRow1() {
    LessonState& L = s_.lesson;
    if (L.CurRowLim <= 0) {
        L.Row = 1;
        return;
    }
    // Past the last row: the set is learnt, or the bunch ends and a new pass starts at row 1.
    // A pass with nothing left to ask counts as learnt too, so statuses loaded as 1 cannot
    // make the passes go round for ever.
    const auto passOver = [&]() -> bool {
        if (CheckIfWholeSetLearnt() || !anyCardToAsk(L)) {
            WholeSetLearnt();
            return true;
        }
        SubEndOfSet();
        L.Row = 1;
        return false;
    };
    ++L.Row;
    if (L.Row > L.CurRowLim) {
        if (passOver())
            return;
        s_.c.Label7->setText(QString());
    }
    while (isLearntStatus(L.CSarray.at(L.Row, ColCurStatus))) {
        ++L.Row;
        if (L.Row > L.CurRowLim && passOver())
            return;
    }
}

void QuestionLoop::SubEndOfSet() {
    LessonState& L = s_.lesson;
    judge_.flushJudgedReply(L.LogResult);
    undo_.refuseUndo(Text::tr(
        "A reply cannot be taken back after the end of a bunch: the cards were reordered"));
    L.CurSetSize = L.CurRowLim - L.CheckAll;
    SubStatusBar();
    s_.dialogs.message(Text::tr("End of Set"));
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    SubReorderArray(L.CSarray, L.CurRowLim);
    SubReorder(s_.rs.connection());
    L.BunchCorrect = 0;
    if (L.onBunchEnded)
        L.onBunchEnded();
}

void QuestionLoop::SubStatusBar() {
    const LessonState& L = s_.lesson;
    auto& p = s_.c.panels;
    p[0]->setText(totalPanelText(L.CurRowLim));
    p[1]->setText(bunchPanelText(L.CurSetSize));
    p[2]->setText(remainsPanelText(L.CurSetSize, L.BunchCorrect));
    const QString direction = directionPanelText(directionOf(L.direction));
    if (QLabel* panel = s_.c.PanelDirection) {
        panel->setText(direction);
        panel->setVisible(!direction.isEmpty());
    }
    if (afterStatusBar)
        afterStatusBar();
    if (!shown(s_.c.TDBGrid3) || !rowIsLoaded()) {
        p[3]->setText(QString());
        p[4]->setText(QString());
        if (!direction.isEmpty() || (s_.c.PanelDue && s_.c.PanelDue->isVisibleTo(s_.c.Form1)))
            present::widenForStatusBar(s_.c.Form1, s_.c.StatusBar1);
        return;
    }
    p[3]->setText(orderPanelText(L.CSarray.at(L.Row, ColShowOrder)));
    const QVariant display = L.CSarray.at(L.Row, ColDisplayQuestionNumber);
    if (cardOptionOn(display)) {
        data::Recordset& count = s_.rs.countCurrentMulti;
        count.requery();
        p[4]->setText(count.isEmpty() ? QString()
                                      : answersPanelText(count.value(data::column::Countt)));
    } else {
        p[4]->setText(QString());
    }
    // Five texts can need more than the learning screen's width: the window makes room.
    present::widenForStatusBar(s_.c.Form1, s_.c.StatusBar1);
}

void QuestionLoop::Command21_Click() {
    LessonState& L = s_.lesson;
    // Input can reach the window while the next question is spoken; a second check must not
    // start inside this one.
    if (L.replyInProgress)
        return;
    const ReplyInProgress busy(L);
    undo_.holdUndo();
    QVariant notedSet;
    EntryKey notedEntry;
    present::guarded(s_, [&] {
        s_.c.Command21->setEnabled(false);
        if (!rowIsLoaded()) {
            noEntriesInSet();
            return;
        }
        // Never judge a reply against a card whose question the learner has not been given.
        if (entryAt(L.CSarray, L.Row) != shownEntry_) {
            MakeQuestion();
            return;
        }
        // Moving the reply grid on stores a reply still being typed there.
        QTableView* grid = s_.c.TDBGrid3;
        const QModelIndex current = grid->currentIndex();
        grid->setCurrentIndex(grid->model()->index(current.isValid() ? current.row() + 1 : 0,
                                                   current.isValid() ? current.column() : 0));

        undo_.noteUndoPoint();
        notedSet = L.CSarray.at(L.Row, ColSetName);
        notedEntry = entryAt(L.CSarray, L.Row);
        judge_.beginReply();

        if (!shown(s_.c.TDBGrid3))
            judge_.SubSinleAnswerCheck();
        else
            judge_.SubMultipleAnswerCheck();

        if (rowIsLoaded() && isMultiAnswerCard(L.CSarray.at(L.Row, ColAnswer)))
            s_.c.TDBGrid3->setFocus();
        else
            s_.c.Text3->setFocus();
        SubStatusBar();
    });
    judge_.finishReply(notedSet, notedEntry);
    undo_.keepUndoPoint(judge_.takeLoggedRow());
    // A reply typed while the next question was being spoken can be checked at once.
    s_.c.Command21->setEnabled(shown(s_.c.Text3) && !s_.c.Text3->text().isEmpty());
}

void QuestionLoop::Command3_Click() {
    if (s_.lesson.replyInProgress)
        return;
    const ReplyInProgress busy(s_.lesson);
    s_.c.Text3->setText(QString());
    if (s_.lesson.due) {
        // The due cards are the lesson's own: nothing to read again.
        if (s_.lesson.CurRowLim == 0) {
            noEntriesInSet();
            return;
        }
        NextValidRow1(); // after the last due card, the chosen set is back
        MakeQuestion();
        s_.c.Text3->setFocus();
        s_.c.Label5->hide();
        s_.c.Label6->hide();
        SubStatusBar();
        return;
    }
    // A Demons lesson asks the marked cards, not the chosen set.
    data::Recordset& total = s_.lesson.demons ? s_.rs.demonsSet : s_.rs.curSetTotal;
    total.requery();
    // Demons asked answer to question are marked beside the cards, not in qDemonsSet.
    const bool reverseDemons =
        s_.lesson.demons &&
        data::scalar(s_.rs.connection(),
                     QStringLiteral("SELECT EXISTS (SELECT 1 FROM CardReverse WHERE Demons = 1)"))
            .toBool();
    if (total.isEmpty() && !reverseDemons) {
        if (s_.lesson.demons) {
            // Every Demon is gone: the lesson ends as an empty set's does.
            s_.lesson.CurRowLim = 0;
            s_.lesson.Row = 1;
            s_.c.Label7->setText(QString());
            SubStatusBar();
        }
        noEntriesInSet();
        return;
    }
    NextValidRow1();
    MakeQuestion();
    focusReply();
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    SubStatusBar();
}

void QuestionLoop::Label3_Click() {
    if (s_.lesson.replyInProgress)
        return;
    const ReplyInProgress busy(s_.lesson);
    MakeQuestion();
    // Pressed from the keyboard, the button had the focus: the reply is typed next.
    focusReply();
}

void QuestionLoop::focusReply() {
    if (shown(s_.c.TDBGrid3))
        s_.c.TDBGrid3->setFocus();
    else if (shown(s_.c.Text3))
        s_.c.Text3->setFocus();
}

void QuestionLoop::Text3_Change() {
    s_.c.Command21->setEnabled(!s_.lesson.replyInProgress && !s_.c.Text3->text().isEmpty());
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    s_.c.Picture[10]->hide();
}

void QuestionLoop::Text3_GotFocus() {
    if (s_.replyFocusMark == QStringLiteral("Yes") && shown(s_.c.Text3)) {
        s_.replyFocusMark = QStringLiteral("No");
        s_.c.Text3->setFocus();
    }
    if (!s_.modes.kids) {
        present::setScreenWidthTwips(s_.c, 4800 + s_.screens.pictureRoom);
        // Never narrower than the status bar's texts (the sync panel's among them) need.
        present::widenForStatusBar(s_.c.Form1, s_.c.StatusBar1);
    }
}

bool QuestionLoop::CheckIfWholeSetLearnt() const {
    return s_.lesson.CheckAll >= s_.lesson.CurRowLim;
}

void QuestionLoop::WholeSetLearnt() {
    LessonState& L = s_.lesson;
    if (L.due) {
        judge_.flushJudgedReply(L.LogResult);
        undo_.refuseUndo(Text::tr("A reply cannot be taken back once the due cards are done"));
        s_.dialogs.message(Text::tr("Nothing more is due today."));
        L.BunchCorrect = 0;
        if (L.onBunchEnded)
            L.onBunchEnded();
        if (onDueLessonDone)
            onDueLessonDone();
        return;
    }
    judge_.flushJudgedReply(L.LogResult);
    undo_.refuseUndo(Text::tr("A reply cannot be taken back once the whole set is learnt"));
    s_.dialogs.message(Text::tr("Congratulations! You've successfully learn't the set. "
                                "Choose another set to learn."));
    L.BunchCorrect = 0;
    if (L.onBunchEnded)
        L.onBunchEnded();
    if (!s_.modes.Silent) {
        playSound(s_, 3);
    } else {
        L.CurSetSize = L.CurRowLim;
        SubStatusBar();
    }
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
    zeroStatuses(L);
    L.Row = 1;
    s_.c.Label7->setText(QString());
    s_.c.Text3->setText(QString());
    if (s_.c.Text3->isVisibleTo(s_.c.Form1))
        s_.c.Text3->setFocus();
    else
        s_.c.TDBGrid3->setFocus();
    s_.c.Command21->setEnabled(false);
    s_.c.Command3->show();
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    L.CheckAll = 0;
    SubUpdateOrder1(s_.rs.connection());
}

} // namespace learn
