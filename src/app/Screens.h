#pragma once

#include "learn/Form1State.h"
#include "learn/QuestionLoop.h"

namespace app {

// The four screens of the main window: each sets its screen flag, lays itself out for the
// current mode, then adjusts the status bar and menus.
class Screens {
  public:
    Screens(learn::Form1State& s, learn::QuestionLoop& loop) : s_(s), loop_(loop) {}
    void connectControls();

    void ScrChangeVisible();
    void ScrCreateVisible();
    void ScrLearnVisible();
    void ScrChngSetName();

  private:
    void setScreenFlags(bool setEditing, bool newSetName, bool learning, bool createSet);

    learn::Form1State& s_;
    learn::QuestionLoop& loop_;
};

} // namespace app
