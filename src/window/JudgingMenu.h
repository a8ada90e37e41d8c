// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"

#include <QObject>

namespace window {

// Edit > Judging: the two boxes of forgiving judging, shown as the database holds them and
// stored as soon as one is ticked.
class JudgingMenu : public QObject {
  public:
    JudgingMenu(present::Form1State& s, QObject* parent);

  private:
    void showStored();
    void store();

    present::Form1State& s_;
};

} // namespace window
