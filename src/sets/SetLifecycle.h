// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/LessonState.h"
#include "present/Form1State.h"
#include "sets/rules/SetStore.h"

#include <QString>
#include <functional>

namespace sets {

// Creating, renaming and deleting sets.
class SetLifecycle {
  public:
    explicit SetLifecycle(present::Form1State& s) : s_(s), store_(s.rs) {}
    void connectControls();

    // Handlers.
    void CreatSet_Click();
    void mnuEdSetName_Click();
    void Command2_Click() { SubCreateSet(); }
    void Text1_KeyDown() { SubCreateSet(); } // Enter in the new-set name box
    void Command1_Click() { SubCnangeSetName(); }
    void Picture2_Click();
    void Text1_Change();
    void Text2_Change();
    void mnuDelete_Click() { SubMnuDelete(); }

    // Procedures.
    void SubCreateSet();
    void SubCnangeSetName();
    void SubMnuDelete();
    void SubDelete();
    void SubDeleteCard();
    void SubCheckLastSetDelete();

    // Runs after the chosen set was deleted (a Demons lesson is left then).
    std::function<void()> onSetDeleted;

  private:
    // Runs `step`; a database failure is told to the user and the record sets are reopened.
    template <typename Step> bool guarded(const QString& what, Step step);
    // Runs `step`; speech that cannot be started sends the window back to Silent mode.
    template <typename Step> void withSpeechFallback(Step step);
    void refreshDataControls();
    void reopen();

    present::Form1State& s_;
    SetStore store_;
};

} // namespace sets
