#include "learn/QuestionLoop.h"

namespace learn {

void QuestionLoop::connectControls() {}
void QuestionLoop::MakeQuestion() {}
void QuestionLoop::NextValidRow1() {}
void QuestionLoop::SubEndOfSet() {}
void QuestionLoop::SubRowAdjustForMulti() {}
void QuestionLoop::SubStatusBar() {}
void QuestionLoop::Command21_Click() {}
void QuestionLoop::Command3_Click() {}
void QuestionLoop::Label3_Click() {}
void QuestionLoop::Text3_Change() {}
void QuestionLoop::Text3_GotFocus() {}

} // namespace learn
