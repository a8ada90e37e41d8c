#pragma once

#include "learn/Form1State.h"

namespace sets {

// The card grid of the set-editing screen.
class CardGrid {
  public:
    explicit CardGrid(learn::Form1State& s) : s_(s) {}
    void connectControls();

  private:
    learn::Form1State& s_;
};

} // namespace sets
