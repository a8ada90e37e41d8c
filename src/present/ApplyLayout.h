// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1Controls.h"
#include "present/LayoutTable.h"

#include <QPixmap>

namespace present {

// Sets on the main window's controls and menus what the table says, for the given mode.
// Throws std::logic_error when the table names a control or entry the window does not have.
void applyLayout(const LayoutTable& table, Form1Controls& c, const LayoutContext& context);

QWidget* controlNamed(Form1Controls& c, const QString& name);
QAction* menuEntryNamed(Form1Controls& c, const QString& name);

// The platform's default sans-serif face, standing in for the designed "MS Sans Serif".
QString defaultSansFamily();

// The picture behind the screens' area (the Kids layouts set one, the Academic ones clear it).
void setBackgroundPicture(Form1Controls& c, const QPixmap& picture);
void clearBackgroundPicture(Form1Controls& c);
bool hasBackgroundPicture(const Form1Controls& c);

} // namespace present
