// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/Pause.h"

#include "data/SettingsColumns.h"

namespace learn {
namespace {

// The slider sets 0 to 3; the database can hold anything, and a value the counter can never
// reach (negative, fractional, empty, huge) must not keep the learner waiting for ever.
constexpr int kMaxSteps = 3;

// Fields1.Zad as it stands now, as the number of steps still wanted; 0 when unreadable.
double currentZad(data::Recordset& fields1) {
    if (fields1.editing())
        fields1.update(); // as a move would: a pending edit is saved, never dropped
    fields1.requery();
    if (fields1.isEmpty())
        return 0;
    fields1.moveFirst();
    bool ok = false;
    const double zad = fields1.value(data::column::Zad).toDouble(&ok);
    return ok ? zad : 0;
}

} // namespace

void Zaderzjka(present::Form1State& s) {
    if (s.modes.Silent)
        return;
    try {
        // Zad is read again before every step, so a change takes effect at once.
        for (int counter = 0; counter < kMaxSteps && counter < currentZad(s.rs.fields1); ++counter)
            s.speech.pauseStep();
    } catch (const speech::SpeechUnavailable&) {
        // The pause is only a courtesy; the next speaking step reports the failure.
    }
}

} // namespace learn
