#pragma once

#include "learn/Form1State.h"

namespace app {

// Academic Talking and Silent modes, and the fall-back to Silent when speech or sound
// cannot be started.
class TalkingSilent {
  public:
    explicit TalkingSilent(learn::Form1State& s) : s_(s) {}
    void connectControls();

    void mnuTalking_Click();
    void mnuSilent_Click();
    void SubErrorHandler429();

  private:
    learn::Form1State& s_;
};

} // namespace app
