// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace present {

// Every message box and confirmation goes through this port, so tests can script the
// answers and read back what was shown instead of blocking on a modal box.
class Dialogs {
  public:
    enum class Button { Yes, No };

    virtual ~Dialogs() = default;
    // A box with an OK button. An empty title shows as an empty caption.
    virtual void message(const QString& text, const QString& title = {}) = 0;
    // A box with an OK button whose plain text is followed by `richDetail`, rich text whose
    // own texts are escaped already. Where rich text cannot be shown, the plain text is.
    virtual void messageWithDetail(const QString& text, const QString& richDetail,
                                   const QString& title = {}) {
        Q_UNUSED(richDetail);
        message(text, title);
    }
    // A warning with an OK button, for failures the user must know of.
    virtual void warning(const QString& text, const QString& title = {}) = 0;
    // A Yes/No box; true for Yes. `byDefault` is the button Enter presses: No where a slip of
    // the key would destroy something.
    virtual bool confirm(const QString& text, const QString& title = {},
                         Button byDefault = Button::Yes) = 0;
};

} // namespace present
