// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/KidsMode.h"

#include "data/RecordsetModel.h"
#include "learn/Demons.h"
#include "learn/Pause.h"
#include "learn/QuestionLoop.h"
#include "learn/SetLoading.h"
#include "present/Guarded.h"
#include "present/KidsPictures.h"
#include "sets/SetLifecycle.h"
#include "window/Screens.h"
#include "window/VoiceChoice.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTableView>

namespace window {
namespace {

// The Repeat and Learn-the-whole-set pictures look pressed while the mouse button is down.
class PressedLook : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* picture = static_cast<QFrame*>(watched);
        const auto isLeft = [event] {
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        };
        if (event->type() == QEvent::MouseButtonPress && isLeft()) {
            picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            picture->setLineWidth(2);
        } else if (event->type() == QEvent::MouseButtonRelease && isLeft()) {
            picture->setFrameStyle(QFrame::NoFrame);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void KidsMode::connectControls() {
    present::Form1Controls& c = s_.c;
    present::setUpPictureButtons(c);
    QObject::connect(c.mnuKids, &QAction::triggered, c.Form1, [this] { mnuKids_Click(); });
    const auto onClick = [this, &c](int index, void (KidsMode::*handler)()) {
        QObject::connect(
            c.Picture[static_cast<size_t>(index)], &present::ClickableLabel::clicked, c.Form1,
            [this, handler] { present::guarded(s_, [this, handler] { (this->*handler)(); }); });
    };
    onClick(1, &KidsMode::Picture1_Click);
    onClick(3, &KidsMode::Picture3_Click);
    onClick(4, &KidsMode::Picture4_Click);
    onClick(5, &KidsMode::Picture5_Click);
    onClick(6, &KidsMode::Picture6_Click);
    onClick(7, &KidsMode::Picture7_Click);
    onClick(8, &KidsMode::Picture8_Click);
    onClick(9, &KidsMode::Picture9_Click);
    onClick(11, &KidsMode::Picture11_Click);
    for (int index : {7, 8})
        c.Picture[static_cast<size_t>(index)]->installEventFilter(
            new PressedLook(c.Picture[static_cast<size_t>(index)]));
}

void KidsMode::SubAcademicOnly() {
    s_.modes.kids = false;
    screens_.SubScrChangeNormal();
    s_.c.mnuHelpTalking->setEnabled(true);
    s_.c.mnuStandard->setEnabled(true);
}

void KidsMode::mnuKids_Click() {
    present::guarded(s_, [this] {
        // Kids mode speaks: find out now whether it can, before anything changes.
        applyStoredVoice(s_);
        s_.speech.checkAvailable();
        s_.modes.kids = true;
        s_.modes.Silent = false;
        s_.rs.SubSwitchToKidsSource();
        // Neither Academic mode is on now: either is a way back.
        s_.c.mnuTalking->setEnabled(true);
        s_.c.mnuSilent->setEnabled(true);
        redrawCurrentScreen(s_);
        s_.c.Picture[9]->hide();
        s_.c.Adodc2->setSource(QStringLiteral("qSelectedSetKids"));
    });
}

// The picture buttons. Each runs under the guard of its connection: when its sound cannot be
// played the program falls back to Academic Silent and the rest of the click is skipped.

void KidsMode::Picture1_Click() {
    s_.speech.playSound(10);
    learn::Zaderzjka(s_);
    setLoading_.learnChosenSet();
}

void KidsMode::Picture3_Click() {
    s_.speech.playSound(7);
    s_.window.ScrChangeVisible();
}

void KidsMode::Picture4_Click() {
    s_.speech.playSound(8);
    s_.window.ScrChngSetName();
}

void KidsMode::Picture5_Click() {
    s_.speech.playSound(6);
    s_.window.ScrCreateVisible();
}

void KidsMode::Picture6_Click() {
    sets_.SubMnuDelete();
    s_.speech.playSound(5);
}

void KidsMode::Picture7_Click() {
    loop_.Label3_Click(); // the question again, as a click on "Question" puts it
}

void KidsMode::Picture8_Click() {
    s_.speech.playSound(4);
    setLoading_.ObnulStatus();
}

void KidsMode::Picture9_Click() {
    if (s_.c.Text3->isVisibleTo(s_.c.Form1))
        loop_.Label3_Click();
}

void KidsMode::Picture11_Click() {
    demons_.KidsDeamonsClick();
    loop_.SubStatusBar();
}

} // namespace window
