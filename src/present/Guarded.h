// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Sql.h"
#include "present/Form1State.h"
#include "speech/SpeechAndSound.h"

#include <QCoreApplication>
#include <exception>

namespace present {

// Runs one handler so that a failure never escapes into the event loop: speech or sound that
// cannot be started sends the program back to Silent mode with its message, a database
// failure is told to the user, and the lesson goes on.
template <typename F> void guarded(Form1State& s, F&& body) {
    try {
        body();
    } catch (const speech::SpeechUnavailable&) {
        s.window.SubErrorHandler429();
    } catch (const data::DbError& e) {
        s.dialogs.warning(
            QCoreApplication::translate("Form1", "The database could not be read or written: %1")
                .arg(e.message()));
    } catch (const std::exception& e) {
        s.dialogs.warning(QCoreApplication::translate("Form1", "Something went wrong: %1")
                              .arg(QString::fromUtf8(e.what())));
    }
}

// Plays a sound object; one that cannot be played sends the program back to Silent mode, as
// speech that cannot be started does.
inline void playSound(Form1State& s, int object) {
    try {
        s.speech.playSound(object);
    } catch (const speech::SpeechUnavailable&) {
        s.window.SubErrorHandler429();
    }
}

} // namespace present
