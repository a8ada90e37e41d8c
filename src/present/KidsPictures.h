// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1Controls.h"

#include <QPixmap>
#include <QSize>
#include <QString>

class QAbstractButton;

namespace present {

// The drawn pictures of Kids mode, by name ("learn", "smile", "background1", ...): SVG files
// kept in the program's resources, fitted into `size` (or, with `fill`, covering it). Null
// when there is no picture of that name.
QPixmap kidsPicture(const QString& name, QSize size, qreal devicePixelRatio = 1.0,
                    bool fill = false);
bool kidsPictureExists(const QString& name);

// Shows a picture on a label, drawn again at the label's size whenever it is resized.
void setKidsPicture(QLabel* label, const QString& name);
// The name of the picture a label or button shows; empty when it shows none.
QString kidsPictureOf(const QWidget* widget);
// Puts a picture on a button, filling the button's face.
void setKidsButtonPicture(QAbstractButton* button, const QString& name);
// Fills the screens' area with a picture, drawn again when the area is resized.
void setKidsBackground(Form1Controls& c, const QString& name);
QString kidsBackgroundOf(const Form1Controls& c);

// Gives the picture buttons Picture1 to Picture12 their drawings, tooltips, accessible names
// and the sizes they have where a layout gives none.
void setUpPictureButtons(Form1Controls& c);
// Only the tooltips and accessible names of the picture buttons, in the language in use.
void nameKidsPictures(Form1Controls& c);

} // namespace present
