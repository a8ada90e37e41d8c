// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RecordsetFamily.h"
#include "present/Dialogs.h"
#include "present/Form1Controls.h"
#include "present/Modes.h"
#include "present/WindowProcedures.h"
#include "speech/SpeechAndSound.h"

#include <QString>

namespace learn {
struct LessonState;
}

namespace present {

// The main window's state, handed by reference to the subsystem classes that implement its
// procedures. The window owns everything referred to here.
struct Form1State {
    present::Form1Controls& c;
    data::RecordsetFamily& rs;
    learn::LessonState& lesson;
    present::ModeFlags& modes;
    present::ScreenFlags& screens;
    present::Dialogs& dialogs;
    speech::SpeechAndSound& speech;
    present::WindowProcedures& window;
    bool& startupComplete;
    QString& replyFocusMark; // "Yes": put the focus on the reply box when it next gets it
};

} // namespace present
