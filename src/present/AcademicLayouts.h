// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/LayoutTable.h"

namespace present {

// The Academic layouts of the four screens of the main window.
const LayoutTable& setEditingAcademic(); // SubScrChangeNormal
const LayoutTable& setNameAcademic();    // ScrChngSetNameNormal
const LayoutTable& createSetAcademic();  // ScrCreateNormal
const LayoutTable& learningAcademic();   // ScrLearnNormal

} // namespace present
