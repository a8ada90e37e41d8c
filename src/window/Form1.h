// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RecordsetFamily.h"
#include "learn/QuestionLoop.h"
#include "learn/ReplyJudge.h"
#include "learn/SetLoading.h"
#include "learn/UndoLastReply.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/OrderKeys.h"
#include "present/Dialogs.h"
#include "present/Form1Controls.h"
#include "present/Form1State.h"
#include "present/Modes.h"
#include "present/WindowProcedures.h"
#include "speech/SpeechAndSound.h"

#include <QMainWindow>
#include <QSqlDatabase>
#include <QTimer>
#include <memory>

namespace learn {
class Demons;
}

namespace multi {
class MultiCheck;
class MultiAuthoring;
} // namespace multi

namespace sets {
class SetLifecycle;
class CardGrid;
} // namespace sets

namespace window {
class CardMediaView;
class GridMediaColumns;
class DemonsManagerMenu;
class LogMenu;
class SyncMenu;
class DirectionMenu;
class ReviewMenu;

class ExchangeMenu;
class Screens;
class TalkingSilent;
class KidsMode;

// The main window. It owns the controls, the record sets, the lesson and the mode and
// screen flags; the procedures acting on them live in the subsystems, and its handlers
// only hand over to them.
class Form1 : public QMainWindow, public present::WindowProcedures {
    Q_OBJECT
  public:
    Form1(const QSqlDatabase& db, present::Dialogs& dialogs, speech::SpeechAndSound& speech,
          QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up and shut-down of the window; Form_Unload also runs when it is closed.
    void Form_Load();
    void Form_Unload();

    present::Form1Controls& controls() { return c_; }
    data::RecordsetFamily& recordsets() { return rs_; }
    learn::LessonState& lesson() { return lesson_; }
    present::ModeFlags& modes() { return modes_; }
    present::ScreenFlags& screens() { return screens_; }
    present::Form1State& state() { return state_; }
    bool startupComplete() const { return startupComplete_; }
    learn::QuestionLoop& questionLoop() { return *questionLoop_; }
    learn::SetLoading& setLoading() { return *setLoading_; }
    ExchangeMenu& exchangeMenu() { return *exchangeMenu_; }
    learn::Demons& demons() { return *demons_; }
    DemonsManagerMenu& demonsManager() { return *demonsManager_; }
    KidsMode& kidsMode() { return *kidsMode_; }
    SyncMenu& syncMenu() { return *syncMenu_; }
    DirectionMenu& directionMenu() { return *directionMenu_; }
    ReviewMenu& reviewMenu() { return *reviewMenu_; }
    CardMediaView& cardMedia() { return *cardMedia_; }
    GridMediaColumns& gridMedia() { return *gridMedia_; }

    void ScrChangeVisible() override;
    void ScrCreateVisible() override;
    void ScrLearnVisible() override;
    void ScrChngSetName() override;
    void SubErrorHandler429() override;
    bool SubMultipleAnswerCheck(QString& acceptedBy) override;
    void WrongAnswerMulti() override;
    void SubLeaveTdbGrid1() override;
    void SubShowMultiple() override;
    bool commitCardGrid() override;
    void refreshCardGrid() override;
    void SubReturnToProperTableRow(const QString& CurTabRowID) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void storeLayoutScales();

    QSqlDatabase db_;
    present::Form1Controls c_;
    present::ModeFlags modes_;
    present::ScreenFlags screens_;
    learn::LessonState lesson_;
    data::RecordsetFamily rs_;
    bool startupComplete_ = false;
    bool unloaded_ = false;
    QString replyFocusMark_ = QStringLiteral("No");
    present::Form1State state_;

    // The subsystems that implement the window's procedures.
    std::unique_ptr<learn::ReplyJudge> replyJudge_;
    std::unique_ptr<learn::UndoLastReply> undoLastReply_;
    std::unique_ptr<learn::QuestionLoop> questionLoop_;
    std::unique_ptr<learn::SetLoading> setLoading_;
    std::unique_ptr<Screens> screensProc_;
    std::unique_ptr<TalkingSilent> talkingSilent_;
    std::unique_ptr<sets::SetLifecycle> setLifecycle_;
    std::unique_ptr<sets::CardGrid> cardGrid_;
    std::unique_ptr<multi::MultiCheck> multiCheck_;
    std::unique_ptr<multi::MultiAuthoring> multiAuthoring_;
    std::unique_ptr<learn::Demons> demons_;
    std::unique_ptr<KidsMode> kidsMode_;
    ExchangeMenu* exchangeMenu_ = nullptr;       // a child of the window
    DemonsManagerMenu* demonsManager_ = nullptr; // a child of the window
    LogMenu* logMenu_ = nullptr;                 // a child of the window
    SyncMenu* syncMenu_ = nullptr;               // a child of the window
    DirectionMenu* directionMenu_ = nullptr;     // a child of the window
    ReviewMenu* reviewMenu_ = nullptr;           // a child of the window
    // Finishes the order keys between events; owned here so it stops with the window.
    learn::OrderKeysRunner* orderKeys_ = nullptr;
    CardMediaView* cardMedia_ = nullptr;    // a child of the window
    GridMediaColumns* gridMedia_ = nullptr; // a child of the window
    // Writes the scale factors once a resize has settled, not at every step of a drag.
    QTimer* scaleStore_ = nullptr;
};

} // namespace window
