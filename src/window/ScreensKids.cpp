// SPDX-License-Identifier: GPL-3.0-or-later
// The Kids layouts of the four screens.

#include "learn/rules/LessonState.h"
#include "present/ApplyLayout.h"
#include "present/KidsLayouts.h"
#include "present/LayoutScaler.h"
#include "present/Twips.h"
#include "window/Screens.h"

namespace window {
namespace {
constexpr int kAcademicWidth = 6600;  // twips
constexpr int kAcademicHeight = 5100; // twips
} // namespace

void Screens::kidsWindowSize() {
    // The row of pictures at the foot of the screens needs a taller window.
    s_.c.Form1->setProperty("kidsSize", true);
    present::LayoutScaler::of(s_.c.Form1)->useMode(true);
    present::resizeTwips(s_.c.Form1, present::kKidsWindowWidth, present::kKidsWindowHeight);
}

void Screens::leaveKidsLayouts() {
    if (s_.modes.kids || !s_.c.Form1->property("kidsSize").toBool())
        return;
    // Back from Kids mode: the window's Academic size, and what the Academic layouts leave
    // as it was (the set list's place, the large fonts of the answer) back to its design.
    s_.c.Form1->setProperty("kidsSize", false);
    present::LayoutScaler::of(s_.c.Form1)->useMode(false);
    present::resizeTwips(s_.c.Form1, kAcademicWidth, kAcademicHeight);
    present::placeTwips(s_.c.DataCombo1, 480, 480, 3855, 315); // its designed place and size
    s_.c.Label4->setFont(QFont());
    s_.c.Text3->setFont(QFont());
}

void Screens::SubScrChangeKids() {
    kidsWindowSize();
    present::applyLayout(present::setEditingKids(), s_.c, layoutContext());
}

void Screens::ScrChngSetNameKids() {
    kidsWindowSize();
    present::applyLayout(present::setNameKids(), s_.c, layoutContext());
    s_.c.Text2->setFocus();
}

void Screens::ScrCreateKids() {
    kidsWindowSize();
    present::applyLayout(present::createSetKids(), s_.c, layoutContext());
    s_.c.Text1->setFocus();
}

void Screens::ScrLearnKids() {
    kidsWindowSize();
    present::applyLayout(present::learningKids(), s_.c, layoutContext());
    if (s_.lesson.demons) {
        // Laid out again during a Demons lesson (a change of mode): still the Demons, and
        // the picture stands where a click on it leads back to the chosen set.
        s_.c.DataCombo1->hide();
        present::placeTwips(s_.c.Picture[11], 1800, 1500);
    }
    loop_.MakeQuestion();
}

} // namespace window
