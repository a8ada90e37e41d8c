// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "learn/QuestionLoop.h"
#include "learn/UndoLastReply.h"
#include "present/Form1State.h"
#include "present/LayoutTable.h"

namespace window {

class AboutWindow;

// The four screens of the main window: each sets its screen flag, lays itself out for the
// current mode, then adjusts the status bar and menus. Also the About window and the button
// that leads to the Demons Manager.
class Screens {
  public:
    Screens(present::Form1State& s, learn::QuestionLoop& loop, learn::UndoLastReply& undo);
    ~Screens();
    void connectControls();

    void ScrChangeVisible();
    void ScrCreateVisible();
    void ScrLearnVisible();
    void ScrChngSetName();

    // The Academic layouts of the four screens; the mode switches call them directly too.
    void SubScrChangeNormal();
    void ScrChngSetNameNormal();
    void ScrCreateNormal();
    void ScrLearnNormal();

    // The Kids layouts of the four screens (ScreensKids.cpp).
    void SubScrChangeKids();
    void ScrChngSetNameKids();
    void ScrCreateKids();
    void ScrLearnKids();

    void ChangeSet_Click();
    void about_Click();

    AboutWindow* aboutWindow() const { return about_; }

    // Told as a screen other than the learning screen is about to be laid out.
    std::function<void()> leavingLearning;

  private:
    void setScreenFlags(bool setEditing, bool newSetName, bool learning, bool createSet);
    void restoreWidth();
    void kidsWindowSize();
    void leaveKidsLayouts();
    present::LayoutContext layoutContext() const;
    // The multiple-answer editor keeps its answers when the set-editing screen is left.

    present::Form1State& s_;
    learn::QuestionLoop& loop_;
    learn::UndoLastReply& undo_;
    AboutWindow* about_ = nullptr; // owned by the main window
};

// Lays the screen shown last out again, after a change of mode.
void redrawCurrentScreen(present::Form1State& s);

} // namespace window
