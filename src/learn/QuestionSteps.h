// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace learn {

// The steps of the question loop that judging a reply and taking one back go on with: put the
// question of the card at Row, move Row on to the next card to ask (ending a bunch or the
// whole set on the way), and bring the status bar up to date. The window wires them to its
// question loop, so that neither the judge nor the undo depends on the loop itself.
struct QuestionSteps {
    std::function<void()> MakeQuestion;
    std::function<void()> NextValidRow1;
    std::function<void()> SubStatusBar;
};

} // namespace learn
