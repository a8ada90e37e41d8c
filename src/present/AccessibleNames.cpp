// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/AccessibleNames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace present {

void nameMainControls(Form1Controls& c) {
    struct Name {
        QWidget* control;
        const char* name;
        const char* description;
    };
    const Name names[] = {
        {c.DataCombo1, "Set list", "The set to learn or edit"},
        {c.TDBGrid1, "Answers of the card", "One answer a row; Enter goes to the next"},
        {c.TDBGrid2, "Cards of the set", "Question and answer of each card"},
        {c.TDBGrid3, "Answers you typed", "One answer a row; Enter goes to the next"},
        {c.Text1, "Name for the new set", nullptr},
        {c.Text2, "New name for the set", nullptr},
        {c.Text3, "Answer", "Type the answer to the question, then press Enter"},
        {c.Label3, "Question", "Puts the question again"},
        {c.Label10, "Demons", "Back to the whole set"},
        // Kids mode draws these two as pictures without a caption.
        {c.Command3, "Next", "The next question"},
        {c.Command21, "Check", "Check the answer"},
    };
    // Qt on Linux names a combo box after its current item; a screen reader finds what it
    // is for through the label that stands for it.
    c.Label2->setBuddy(c.DataCombo1);
    for (const Name& n : names) {
        n.control->setAccessibleName(QString::fromUtf8(n.name));
        if (n.description)
            n.control->setAccessibleDescription(QString::fromUtf8(n.description));
    }
}

} // namespace present
