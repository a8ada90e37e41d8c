// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/Form1State.h"

#include <QString>

namespace app {

// The voice kept in Fields1.Voice; empty means "the system's language".
QString storedVoice(data::RecordsetFamily& rs);
void storeVoice(data::RecordsetFamily& rs, const QString& voice);

// The voice to speak with: the stored one when the speech service has it, otherwise the
// default for the system's language.
QString currentVoice(learn::Form1State& s);

// Hands that voice to the speech service; done just before speaking is switched on, so the
// start-up never waits for the speech engine.
void applyStoredVoice(learn::Form1State& s);

} // namespace app
