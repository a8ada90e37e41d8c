// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1Controls.h"

class QScrollArea;

namespace present {

// The question text of the learning screen (Label7) sits in a scroll area of its own, so a
// long question shows whole: the area grows downward and moves what lies below it, up to
// the screen's height, and scrolls beyond that.

// Puts `label` into a new scroll area under `parent`, which stands where the label is placed.
QScrollArea* makeQuestionArea(QLabel* label, QWidget* parent);

// The scroll area holding `w`, when `w` is the content of one; otherwise `w` itself. Layouts
// place and show a control through it.
QWidget* frameOf(QWidget* w);

// Shows or hides the question text together with its area.
void setQuestionShown(Form1Controls& c, bool shown);

// Lays the Academic learning screen out for the question now on it: the reply box (or the
// reply grid of a multiple-answer card), the buttons and the window's height, all moved
// down by what the question needs beyond its designed two lines.
void placeLearningControls(Form1Controls& c, bool multi);

} // namespace present
