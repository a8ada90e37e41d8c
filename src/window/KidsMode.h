// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"

namespace learn {
class QuestionLoop;
class SetLoading;
class Demons;
} // namespace learn

namespace sets {
class SetLifecycle;
}

namespace window {

class Screens;

// Kids mode: the switch into it, the Academic set-up at start-up, and the picture buttons,
// which play their sound and then do what the Academic menus do.
class KidsMode {
  public:
    KidsMode(present::Form1State& s, Screens& screens, learn::QuestionLoop& loop,
             learn::SetLoading& setLoading, learn::Demons& demons, sets::SetLifecycle& sets)
        : s_(s), screens_(screens), loop_(loop), setLoading_(setLoading), demons_(demons),
          sets_(sets) {}
    void connectControls();

    void mnuKids_Click();
    void SubAcademicOnly();

    void Picture1_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Picture5_Click();
    void Picture6_Click();
    void Picture7_Click();
    void Picture8_Click();
    void Picture9_Click();
    void Picture11_Click();

  private:
    present::Form1State& s_;
    Screens& screens_;
    learn::QuestionLoop& loop_;
    learn::SetLoading& setLoading_;
    learn::Demons& demons_;
    sets::SetLifecycle& sets_;
};

} // namespace window
