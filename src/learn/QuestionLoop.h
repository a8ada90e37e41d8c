#pragma once

#include "learn/Form1State.h"

namespace learn {

// Putting questions one after another on the learning screen: the next valid card, the end
// of a bunch, the status bar, and the handlers of the learning screen's controls.
class QuestionLoop {
  public:
    explicit QuestionLoop(Form1State& s) : s_(s) {}
    void connectControls();

    void MakeQuestion();
    void NextValidRow1();
    void SubEndOfSet();
    void SubRowAdjustForMulti();
    void SubStatusBar();

    void Command21_Click();
    void Command3_Click();
    void Label3_Click();
    void Text3_Change();
    void Text3_GotFocus();

  private:
    Form1State& s_;
};

} // namespace learn
