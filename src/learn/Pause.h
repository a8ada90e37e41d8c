// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"

namespace learn {

// The pause after a correct reply: Fields1.Zad steps of the speech and sound service,
// none in Silent mode.
void Zaderzjka(present::Form1State& s);

} // namespace learn
