// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"
#include "window/HelpWindow.h"

#include <QPointer>
#include <QString>

namespace window {

// Academic Talking and Silent modes, the fall-back to Silent when speech or sound cannot be
// started, the choice of voice and the tutorials of the Help menu.
class TalkingSilent {
  public:
    explicit TalkingSilent(present::Form1State& s) : s_(s) {}
    void connectControls();

    void mnuTalking_Click();
    void mnuSilent_Click();
    void SubErrorHandler429();
    void mnuVoice_Click();
    void mnuHelpTalking_Click();
    void mnuKidsHelp_Click();

    HelpWindow* helpWindow() const { return help_; }

    // Told when Talking cannot start, in the language in use.
    static QString speechMissingMessage();

  private:
    void setAcademicSilent();
    void refreshCardGrid();
    void showHelp(bool kidsPage);

    present::Form1State& s_;
    QPointer<HelpWindow> help_;
};

} // namespace window
