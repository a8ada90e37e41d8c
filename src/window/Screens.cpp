// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Screens.h"

#include "data/RecordsetModel.h"
#include "learn/rules/LessonState.h"
#include "present/AcademicLayouts.h"
#include "present/ApplyLayout.h"
#include "present/Twips.h"
#include "window/AboutWindow.h"

#include <QCoreApplication>
#include <QScreen>
#include <algorithm>

namespace window {
namespace {
constexpr int kLearningWidth = 4800;   // twips
constexpr int kSetEditingWidth = 6600; // twips

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};
} // namespace

Screens::Screens(present::Form1State& s, learn::QuestionLoop& loop, learn::UndoLastReply& undo)
    : s_(s), loop_(loop), undo_(undo) {}

Screens::~Screens() = default;

void Screens::connectControls() {
    QObject::connect(s_.c.ChangeSet, &QAction::triggered, [this] { ChangeSet_Click(); });
    QObject::connect(s_.c.about, &QAction::triggered, [this] { about_Click(); });
}

void Screens::setScreenFlags(bool setEditing, bool newSetName, bool learning, bool createSet) {
    s_.screens.setEditing = setEditing;
    s_.screens.newSetName = newSetName;
    s_.screens.learning = learning;
    s_.screens.createSet = createSet;
    // Off the learning screen the cards may be edited: no reply is taken back from there.
    if (!learning) {
        undo_.dropUndo(Text::tr("Replies can be taken back on the learning screen only"));
        if (leavingLearning)
            leavingLearning();
    }
}

present::LayoutContext Screens::layoutContext() const {
    present::LayoutContext context;
    context.kids = s_.modes.kids;
    context.Silent = s_.modes.Silent;
    context.TalkingOn = s_.modes.TalkingOn;
    context.currentQuestion = s_.lesson.CSarray.at(s_.lesson.Row, learn::ColQuestion).toString();
    return context;
}

// The screens.

void Screens::ScrChangeVisible() {
    setScreenFlags(true, false, false, false);
    leaveKidsLayouts();
    if (s_.modes.kids)
        SubScrChangeKids();
    else
        SubScrChangeNormal();
    s_.c.Picture[12]->hide();
    s_.c.StatusBar1->hide();
    s_.c.ChangeSet->setEnabled(false);
    s_.c.mnuEdSetName->setEnabled(true);
    restoreWidth();
}

void Screens::restoreWidth() {
    // Back from the narrow learning screen, the grid and the prompts need their room again.
    if (!s_.modes.kids &&
        s_.c.Form1->width() < present::twipsToPixels(kSetEditingWidth, s_.c.Form1))
        present::setScreenWidthTwips(s_.c, kSetEditingWidth);
}

void Screens::ScrCreateVisible() {
    setScreenFlags(false, false, false, true);
    leaveKidsLayouts();
    if (s_.modes.kids)
        ScrCreateKids();
    else
        ScrCreateNormal();
    s_.c.StatusBar1->hide();
    s_.c.mnuCrMulti->setVisible(false);
    s_.c.mnuEdSetName->setEnabled(true);
    restoreWidth();
}

void Screens::ScrLearnVisible() {
    setScreenFlags(false, false, true, false);
    leaveKidsLayouts();
    if (s_.modes.kids)
        ScrLearnKids();
    else
        ScrLearnNormal();
    s_.c.StatusBar1->show();
    s_.c.mnuCrMulti->setVisible(false);
    s_.c.ChangeSet->setEnabled(true);
    s_.c.mnuEdSetName->setEnabled(true);
    s_.lesson.CurSetSize = s_.lesson.CurRowLim;
    loop_.SubStatusBar();
    if (!s_.modes.kids)
        present::setScreenWidthTwips(s_.c, kLearningWidth + s_.screens.pictureRoom);
}

void Screens::ScrChngSetName() {
    setScreenFlags(false, true, false, false);
    leaveKidsLayouts();
    if (s_.modes.kids)
        ScrChngSetNameKids();
    else
        ScrChngSetNameNormal();
    s_.c.StatusBar1->hide();
    s_.c.mnuCrMulti->setVisible(false);
    restoreWidth();
}

// The Academic layouts.

void Screens::SubScrChangeNormal() {
    data::RecordsetModel* cards = s_.c.Adodc2;
    const int row = cards->currentRow();
    present::applyLayout(present::setEditingAcademic(), s_.c, layoutContext());
    if (row < 0 || row >= cards->dataRowCount())
        return;
    // The layout re-reads the card grid, which loses its current row: the same card is
    // current again.
    if (!s_.c.TDBGrid2->currentIndex().isValid())
        s_.c.TDBGrid2->setCurrentIndex(cards->index(row, 1));
    if (cards->valueAt(row, QStringLiteral("Answer")).toString() == QLatin1String("Multi"))
        s_.window.SubShowMultiple();
}

void Screens::ScrChngSetNameNormal() {
    present::applyLayout(present::setNameAcademic(), s_.c, layoutContext());
    // The new name is what the user came to type.
    s_.c.Text2->setFocus();
}

void Screens::ScrCreateNormal() {
    present::applyLayout(present::createSetAcademic(), s_.c, layoutContext());
}

void Screens::ScrLearnNormal() {
    present::applyLayout(present::learningAcademic(), s_.c, layoutContext());
    if (s_.lesson.demons) {
        // Laid out again during a Demons lesson (a change of mode): still the Demons.
        s_.c.DataCombo1->hide();
        s_.c.Label2->hide();
        s_.c.Label10->show();
    }
    loop_.MakeQuestion();
    // The reply grid of a multiple-answer question shows the replies as they now stand.
    s_.c.Adodc4->refresh();
}

// Commands.

void Screens::ChangeSet_Click() {
    ScrChangeVisible();
}

void Screens::about_Click() {
    if (about_ == nullptr) {
        about_ = new AboutWindow(s_.c.Form1);
        about_->adjustSize();
        QRect place = about_->rect();
        place.moveCenter(s_.c.Form1->geometry().center());
        // It may be wider than the main window (it names the database file): keep it on
        // the screen.
        if (const QScreen* screen = s_.c.Form1->screen()) {
            const QRect room = screen->availableGeometry();
            place.moveLeft(
                std::max(room.left(), std::min(place.left(), room.right() - place.width())));
            place.moveTop(
                std::max(room.top(), std::min(place.top(), room.bottom() - place.height())));
        }
        about_->move(place.topLeft());
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void redrawCurrentScreen(present::Form1State& s) {
    if (s.screens.setEditing)
        s.window.ScrChangeVisible();
    else if (s.screens.newSetName)
        s.window.ScrChngSetName();
    else if (s.screens.learning)
        s.window.ScrLearnVisible();
    else if (s.screens.createSet)
        s.window.ScrCreateVisible();
}

} // namespace window
