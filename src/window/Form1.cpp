// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Form1.h"

#include "data/LayoutScales.h"
#include "data/RecordsetModel.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "learn/Demons.h"
#include "multi/MultiAuthoring.h"
#include "multi/MultiCheck.h"
#include "present/Guarded.h"
#include "present/LayoutScaler.h"
#include "present/QuestionArea.h"
#include "sets/CardGrid.h"
#include "sets/GridRefresh.h"
#include "sets/SetLifecycle.h"
#include "window/BackupNowMenu.h"
#include "window/CardMediaView.h"
#include "window/DeckMenu.h"
#include "window/DelayWindow.h"
#include "window/DemonsManager.h"
#include "window/DirectionMenu.h"
#include "window/ExchangeMenu.h"
#include "window/Form1Build.h"
#include "window/GridMediaColumns.h"
#include "window/JudgingMenu.h"
#include "window/KidsMode.h"
#include "window/LanguageMenu.h"
#include "window/LogMenu.h"
#include "window/RestoreWindow.h"
#include "window/ReviewMenu.h"
#include "window/Screens.h"
#include "window/StatisticsWindow.h"
#include "window/SyncMenu.h"
#include "window/SyncTakeIn.h"
#include "window/TalkingSilent.h"
#include "window/WordListMenu.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace window {
namespace {

constexpr int kSyncAtCloseMs = 2000;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

} // namespace

Form1::Form1(const QSqlDatabase& db, present::Dialogs& dialogs, speech::SpeechAndSound& speech,
             QWidget* parent)
    : QMainWindow(parent), db_(db),
      rs_(db, modes_.kids), state_{c_,      rs_,    lesson_, modes_,           screens_,
                                   dialogs, speech, *this,   startupComplete_, replyFocusMark_} {
    buildForm1Controls(this, c_);
    // The card grid gets its source from the first screen's layout (Form_Load): read here as
    // well, a chosen set of 10,000 cards would be read twice before the window shows.
    c_.Adodc2->setSource(QString());
    for (data::RecordsetModel* m : {c_.Adodc1, c_.Adodc2, c_.Adodc3, c_.Adodc4})
        m->setConnection(db_);

    // The judge and the undo go on with the question loop's steps through these, so that
    // neither depends on the loop.
    const learn::QuestionSteps steps{[this] { questionLoop_->MakeQuestion(); },
                                     [this] { questionLoop_->NextValidRow1(); },
                                     [this] { questionLoop_->SubStatusBar(); }};
    replyJudge_ = std::make_unique<learn::ReplyJudge>(state_, steps);
    undoLastReply_ = std::make_unique<learn::UndoLastReply>(state_, steps);
    questionLoop_ = std::make_unique<learn::QuestionLoop>(state_, *replyJudge_, *undoLastReply_);
    setLoading_ = std::make_unique<learn::SetLoading>(state_, *questionLoop_, *undoLastReply_);
    screensProc_ = std::make_unique<Screens>(state_, *questionLoop_, *undoLastReply_);
    talkingSilent_ = std::make_unique<TalkingSilent>(state_);
    setLifecycle_ = std::make_unique<sets::SetLifecycle>(state_);
    cardGrid_ = std::make_unique<sets::CardGrid>(state_);
    multiCheck_ = std::make_unique<multi::MultiCheck>(state_);
    multiAuthoring_ = std::make_unique<multi::MultiAuthoring>(state_);
    demons_ =
        std::make_unique<learn::Demons>(state_, *questionLoop_, *undoLastReply_, *setLoading_);
    kidsMode_ = std::make_unique<KidsMode>(state_, *screensProc_, *questionLoop_, *setLoading_,
                                           *demons_, *setLifecycle_);

    questionLoop_->connectControls();
    undoLastReply_->connectControls();
    setLoading_->connectControls();
    screensProc_->connectControls();
    talkingSilent_->connectControls();
    setLifecycle_->connectControls();
    cardGrid_->connectControls();
    multiCheck_->connectControls();
    multiAuthoring_->connectControls();
    demons_->connectControls();
    kidsMode_->connectControls();
    setLifecycle_->onSetDeleted = [this] {
        present::guarded(state_, [this] { demons_->SubLeaveDemonsAfterDelete(); });
    };
    logMenu_ = new LogMenu(state_, this);           // owned by the window
    exchangeMenu_ = new ExchangeMenu(state_, this); // owned by the window
    new DelayMenu(state_, this);                    // owned by the window
    demonsManager_ = new DemonsManagerMenu(state_, this);
    new BackupNowMenu(state_, this); // owned by the window
    new RestoreMenu(state_, this);   // owned by the window
    new WordListMenu(state_, this);  // owned by the window
    new JudgingMenu(state_, this);   // owned by the window
    new DeckMenu(state_, this);      // owned by the window
    directionMenu_ = new DirectionMenu(state_, *setLoading_, this);
    auto* languageMenu = new LanguageMenu(state_.c, this); // owned by the window
    languageMenu->afterChange = [this] {
        if (state_.screens.learning)
            questionLoop_->SubStatusBar();
    };
    syncMenu_ = new SyncMenu(state_, *questionLoop_, *undoLastReply_, this);
    reviewMenu_ = new ReviewMenu(state_, *questionLoop_, *setLoading_, *undoLastReply_, this);
    syncMenu_->takeIn().refreshOtherWindows = [this] {
        if (Form3* manager = demonsManager_->managerWindow())
            manager->readAgain();
        if (StatisticsWindow* statistics = logMenu_->statisticsWindow())
            statistics->refresh();
        // The log window keeps what it loaded until it is opened again.
    };
    orderKeys_ = new learn::OrderKeysRunner(this);
    cardMedia_ = new CardMediaView(state_, this);
    gridMedia_ = new GridMediaColumns(state_, this);
    questionLoop_->onQuestionPut = [this](const QVariant& cardId, int row) {
        cardMedia_->questionPut(cardId, row);
    };
    screensProc_->leavingLearning = [this] { cardMedia_->clear(); };

    present::LayoutScaler* scaler = present::LayoutScaler::of(this);
    try {
        const data::LayoutScales scales = data::loadLayoutScales(db_);
        scaler->setWanted(scales.academic, scales.kids);
    } catch (const data::DbError&) {
        // Unreadable sizes cost only the size: the screens are drawn as designed.
    }
    scaleStore_ = new QTimer(this);
    scaleStore_->setSingleShot(true);
    scaleStore_->setInterval(500);
    connect(scaleStore_, &QTimer::timeout, this, &Form1::storeLayoutScales);
    scaler->wantedChanged = [this] { scaleStore_->start(); };
    // The question's area is as high as its text, which the new font changes.
    scaler->rescaled = [this] {
        if (screens_.learning && !modes_.kids)
            present::placeLearningControls(c_, c_.TDBGrid3->isVisibleTo(this));
    };
}

void Form1::storeLayoutScales() {
    scaleStore_->stop();
    const present::LayoutScaler* scaler = present::LayoutScaler::of(this);
    try {
        data::saveLayoutScales(db_, {scaler->wanted(false), scaler->wanted(true)});
    } catch (const data::DbError&) {
        // The window keeps its size for this run; the next one starts as designed.
    }
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    rs_.LoadAll();
    // Keys left pending, by this run or one that was killed, are finished between events.
    orderKeys_->start();

    // Always start in Academic Silent mode with the mode entries available.
    kidsMode_->SubAcademicOnly();
    c_.Picture[12]->hide();
    modes_.Silent = true;
    modes_.TalkingOn = false;
    c_.mnuKids->setEnabled(true);
    c_.mnuSilent->setEnabled(true);

    // Load stays 0 while the program runs; a normal close sets it back to 1.
    if (rs_.fields.isEmpty())
        rs_.fields.addNew();
    rs_.fields.setValue(data::column::Load, 0);
    rs_.fields.update();
    rs_.fields1.moveFirst();

    const bool wasVisible = isVisible();
    if (wasVisible)
        hide();
    rs_.UnloadAll();
    rs_.LoadAll();
    if (wasVisible)
        show();

    startupComplete_ = true;
    c_.StatusBar1->hide();
    c_.TDBGrid2->hideColumn(0);
    c_.TDBGrid1->hide();
    screens_ = present::ScreenFlags{};
    // The card grid stands on its first card once loaded. That move is the first row change,
    // which shows nothing, so the learner's own first click on a card counts.
    if (c_.Adodc2->dataRowCount() > 0)
        c_.TDBGrid2->setCurrentIndex(c_.Adodc2->index(0, 1));
}

void Form1::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (scaleStore_->isActive())
        storeLayoutScales();
    rs_.UnloadAll();
    rs_.LoadAll();
    if (rs_.fields.isEmpty())
        rs_.fields.addNew();
    rs_.fields.setValue(data::column::Load, 1);
    rs_.fields.update();
    rs_.UnloadAll();
}

void Form1::closeEvent(QCloseEvent* event) {
    // A sync still running has two seconds; the rest waits for the next start.
    syncMenu_->close(kSyncAtCloseMs);
    try {
        cardGrid_->commitPendingEdit();
        if (c_.TDBGrid1->isVisibleTo(this))
            multiAuthoring_->SubLeaveTdbGrid1();
        Form_Unload();
    } catch (const data::DbError& e) {
        state_.dialogs.warning(
            Text::tr("The database could not be updated on closing: %1").arg(e.message()));
    }
    event->accept(); // closing is never cancelled
}

void Form1::ScrChangeVisible() {
    screensProc_->ScrChangeVisible();
}
void Form1::ScrCreateVisible() {
    screensProc_->ScrCreateVisible();
}
void Form1::ScrLearnVisible() {
    screensProc_->ScrLearnVisible();
}
void Form1::ScrChngSetName() {
    screensProc_->ScrChngSetName();
}
void Form1::SubErrorHandler429() {
    talkingSilent_->SubErrorHandler429();
}
bool Form1::SubMultipleAnswerCheck(QString& acceptedBy) {
    const bool correct = multiCheck_->SubMultipleAnswerCheck();
    acceptedBy = multiCheck_->acceptedBy();
    return correct;
}

void Form1::WrongAnswerMulti() {
    multiCheck_->WrongAnswerMulti();
}
void Form1::SubLeaveTdbGrid1() {
    multiAuthoring_->SubLeaveTdbGrid1();
}
void Form1::SubShowMultiple() {
    multiAuthoring_->SubShowMultiple();
}
bool Form1::commitCardGrid() {
    return cardGrid_->commitPendingEdit();
}
void Form1::refreshCardGrid() {
    sets::refreshCardGrid(c_.TDBGrid2, c_.Adodc2);
}
void Form1::SubReturnToProperTableRow(const QString& CurTabRowID) {
    cardGrid_->SubReturnToProperTableRow(CurTabRowID);
}

} // namespace window
