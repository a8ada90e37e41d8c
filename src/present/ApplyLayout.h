// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1Controls.h"
#include "present/LayoutTable.h"

#include <QPixmap>

namespace present {

// Sets on the main window's controls and menus what the table says, for the given mode.
// Throws std::logic_error when the table names a control or entry the window does not have.
void applyLayout(const LayoutTable& table, Form1Controls& c, const LayoutContext& context);

// After a change of language: every caption again in the new language, and the controls of
// the screen shown fitted to them as the layout fitted them.
void retranslateScreen(Form1Controls& c);

// The main window's width for the screen shown. A screen narrower than the layouts' (the
// learning screen) still shows every caption whole: in a language other than English, or
// under a large font, the window widens to the rightmost control shown. English keeps the
// designed width.
void setScreenWidthTwips(Form1Controls& c, int twips);
void widenForCaptions(Form1Controls& c);

QWidget* controlNamed(Form1Controls& c, const QString& name);
QAction* menuEntryNamed(Form1Controls& c, const QString& name);

// The platform's default sans-serif face, standing in for the designed "MS Sans Serif".
QString defaultSansFamily();

// The picture behind the screens' area (the Kids layouts set one, the Academic ones clear it).
void setBackgroundPicture(Form1Controls& c, const QPixmap& picture);
void clearBackgroundPicture(Form1Controls& c);
bool hasBackgroundPicture(const Form1Controls& c);

} // namespace present
