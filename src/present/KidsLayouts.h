// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/LayoutTable.h"

namespace present {

// The Kids layouts of the four screens of the main window.
const LayoutTable& setEditingKids(); // SubScrChangeKids
const LayoutTable& setNameKids();    // ScrChngSetNameKids
const LayoutTable& createSetKids();  // ScrCreateKids
const LayoutTable& learningKids();   // ScrLearnKids

// The window's size in Kids mode (twips): room for the row of pictures at the bottom.
inline constexpr int kKidsWindowWidth = 7400;
inline constexpr int kKidsWindowHeight = 8700;

} // namespace present
