// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace present {

// The presentation mode of the main window; not stored between runs.
struct ModeFlags {
    bool kids = false;
    bool Silent = true;
    bool TalkingOn = false;
};

// Which screen was laid out last; exactly one is true.
struct ScreenFlags {
    bool setEditing = true;
    bool newSetName = false;
    bool learning = false;
    bool createSet = false;
    // Twips the learning screen is widened by while the card shows a picture.
    int pictureRoom = 0;
};

} // namespace present
