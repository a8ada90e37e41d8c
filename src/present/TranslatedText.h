// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QWidget;

namespace present {

// Shows `source` (English, as marked for translation in `context`) translated into the
// language in use, and remembers it, so a later change of language shows it again in the new
// one. Labels, buttons and line edits take it as their text, other widgets as their title.
void setTranslatedText(QWidget* w, const char* context, const QString& source);
void setTranslatedText(QAction* a, const char* context, const QString& source);
void setTranslatedToolTip(QWidget* w, const char* context, const QString& source);

// Sets the text a label, button or line edit shows; any other widget takes it as its title.
void setShownText(QWidget* w, const QString& text);

// Translates again every text set through setTranslatedText on `root`, its children and their
// actions. A text the program has since replaced (a question, a count) is left alone.
void retranslateTexts(QWidget* root);

// Whether the interface shows translated captions: they may be longer than the designed
// controls, which then grow. English keeps every designed size.
bool interfaceTranslated();

} // namespace present
