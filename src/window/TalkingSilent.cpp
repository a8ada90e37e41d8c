// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/TalkingSilent.h"

#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "present/Guarded.h"
#include "window/HelpWindow.h"
#include "window/Screens.h"
#include "window/VoiceChoice.h"

#include <QCoreApplication>

namespace window {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};
} // namespace

QString TalkingSilent::speechMissingMessage() {
    return Text::tr("To use the program in the Talking mode you need a working speech engine and "
                    "sound output on your machine. The program will now be switched to the Silent "
                    "mode.");
}

void TalkingSilent::connectControls() {
    // Both redraw the screen, which reads and writes the database.
    QObject::connect(s_.c.mnuTalking, &QAction::triggered, s_.c.Form1,
                     [this] { present::guarded(s_, [this] { mnuTalking_Click(); }); });
    QObject::connect(s_.c.mnuSilent, &QAction::triggered, s_.c.Form1,
                     [this] { present::guarded(s_, [this] { mnuSilent_Click(); }); });
    QObject::connect(s_.c.mnuVoice, &QAction::triggered, s_.c.Form1, [this] { mnuVoice_Click(); });
    QObject::connect(s_.c.mnuHelpTalking, &QAction::triggered, s_.c.Form1,
                     [this] { mnuHelpTalking_Click(); });
    QObject::connect(s_.c.mnuKidsHelp, &QAction::triggered, s_.c.Form1,
                     [this] { mnuKidsHelp_Click(); });
}

void TalkingSilent::mnuTalking_Click() {
    s_.c.mnuTalking->setEnabled(false);
    s_.c.mnuSilent->setEnabled(true);
    // Academic Talking asks every card, multiple-answer ones included, so it reads the
    // Academic source; the Kids one would silently drop those cards.
    s_.rs.SubSwitchToAcademicSource();
    try {
        // Find out now, not at the next question, whether speech can start at all.
        applyStoredVoice(s_);
        s_.speech.checkAvailable();

        s_.modes.kids = false;
        s_.modes.Silent = false;
        s_.modes.TalkingOn = true;
        s_.c.Picture[9]->show();
        // On the learning screen the redraw puts the current question, which is now spoken;
        // it is not put a second time here, so it is not heard twice.
        redrawCurrentScreen(s_);
        refreshCardGrid();
    } catch (const speech::SpeechUnavailable&) {
        SubErrorHandler429();
    }
}

void TalkingSilent::mnuSilent_Click() {
    s_.c.mnuSilent->setEnabled(false);
    s_.c.mnuTalking->setEnabled(true);
    s_.rs.SubSwitchToAcademicSource();
    setAcademicSilent();
    redrawCurrentScreen(s_);
    refreshCardGrid();
}

void TalkingSilent::SubErrorHandler429() {
    s_.dialogs.message(speechMissingMessage());
    // The Talking and Silent entries keep their state.
    setAcademicSilent();
    // With `kids` now false the redraw lays the current screen out in its Academic form; on
    // the learning screen that puts the current question again, as text this time.
    redrawCurrentScreen(s_);
    if (s_.screens.learning)
        s_.c.ChangeSet->setEnabled(true);
    s_.c.Picture[9]->hide();
}

void TalkingSilent::setAcademicSilent() {
    s_.modes.kids = false;
    s_.modes.Silent = true;
    s_.modes.TalkingOn = false;
    s_.c.Picture[9]->hide();
}

void TalkingSilent::refreshCardGrid() {
    s_.c.Adodc2->setSource(QStringLiteral("qSelectedSet"));
}

void TalkingSilent::mnuVoice_Click() {
    chooseVoice(s_);
}

void TalkingSilent::mnuHelpTalking_Click() {
    showHelp(false);
}
void TalkingSilent::mnuKidsHelp_Click() {
    showHelp(true);
}

void TalkingSilent::showHelp(bool kidsPage) {
    if (!help_)
        help_ = new HelpWindow(s_.c.Form1);
    help_->showPage(kidsPage ? HelpWindow::Page::Kids : HelpWindow::Page::Academic);
}

} // namespace window
