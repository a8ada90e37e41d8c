#pragma once

#include "learn/Form1State.h"

namespace sets {

// Creating, renaming and deleting sets.
class SetLifecycle {
  public:
    explicit SetLifecycle(learn::Form1State& s) : s_(s) {}
    void connectControls();

  private:
    learn::Form1State& s_;
};

} // namespace sets
