// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"

#include <QString>

namespace window {

// The database's voice as the speech service will use it: the stored one (Fields1.Voice)
// when the service has it, otherwise the default for the system's language.
QString currentVoice(present::Form1State& s);

// Hands that voice to the speech service; done just before speaking is switched on, so the
// start-up never waits for the speech engine. Each question then takes its set's voice.
void applyStoredVoice(present::Form1State& s);

// Edit > Sound > Voice...: the voice of the chosen set, or of all sets.
void chooseVoice(present::Form1State& s);

} // namespace window
