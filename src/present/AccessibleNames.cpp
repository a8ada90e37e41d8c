// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/AccessibleNames.h"

#include "data/RecordsetModel.h"
#include "present/KidsPictures.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace present {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

const char* const kWatcherName = "accessibleNamesWatcher";

void nameControls(Form1Controls& c) {
    struct Name {
        QWidget* control;
        const char* name;
        const char* description;
    };
    const Name names[] = {
        {c.DataCombo1, QT_TRANSLATE_NOOP("Form1", "Set list"),
         QT_TRANSLATE_NOOP("Form1", "The set to learn or edit")},
        {c.TDBGrid1, QT_TRANSLATE_NOOP("Form1", "Answers of the card"),
         QT_TRANSLATE_NOOP("Form1", "One answer a row; Enter goes to the next")},
        {c.TDBGrid2, QT_TRANSLATE_NOOP("Form1", "Cards of the set"),
         QT_TRANSLATE_NOOP("Form1", "Question and answer of each card")},
        {c.TDBGrid3, QT_TRANSLATE_NOOP("Form1", "Answers you typed"),
         QT_TRANSLATE_NOOP("Form1", "One answer a row; Enter goes to the next")},
        {c.Text1, QT_TRANSLATE_NOOP("Form1", "Name for the new set"), nullptr},
        {c.Text2, QT_TRANSLATE_NOOP("Form1", "New name for the set"), nullptr},
        {c.Text3, QT_TRANSLATE_NOOP("Form1", "Answer"),
         QT_TRANSLATE_NOOP("Form1", "Type the answer to the question, then press Enter")},
        {c.Label3, QT_TRANSLATE_NOOP("Form1", "Question"),
         QT_TRANSLATE_NOOP("Form1", "Puts the question again")},
        {c.Label10, QT_TRANSLATE_NOOP("Form1", "Demons"),
         QT_TRANSLATE_NOOP("Form1", "Back to the whole set")},
        // Kids mode draws these two as pictures without a caption.
        {c.Command3, QT_TRANSLATE_NOOP("Form1", "Next"),
         QT_TRANSLATE_NOOP("Form1", "The next question")},
        {c.Command21, QT_TRANSLATE_NOOP("Form1", "Check"),
         QT_TRANSLATE_NOOP("Form1", "Check the answer")},
    };
    for (const Name& n : names) {
        n.control->setAccessibleName(Text::tr(n.name));
        if (n.description)
            n.control->setAccessibleDescription(Text::tr(n.description));
    }
    // The grids' headings show the columns' stored names unless given words of their own.
    if (c.Adodc2) {
        c.Adodc2->setCaption(QStringLiteral("Question"), Text::tr("Question"));
        c.Adodc2->setCaption(QStringLiteral("Answer"), Text::tr("Answer"));
    }
    if (c.Adodc3)
        c.Adodc3->setCaption(QStringLiteral("M_Answer"), Text::tr("Multiple Answers"));
    if (c.Adodc4)
        c.Adodc4->setCaption(QStringLiteral("Reply"), Text::tr("Reply"));
}

// Names the controls again when the language changes while the window is open.
class LanguageWatcher : public QObject {
  public:
    LanguageWatcher(QObject* window, Form1Controls& c) : QObject(window), c_(c) {
        setObjectName(QLatin1String(kWatcherName));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::LanguageChange) {
            nameControls(c_);
            nameKidsPictures(c_);
        }
        return false;
    }

  private:
    Form1Controls& c_;
};

} // namespace

void nameMainControls(Form1Controls& c) {
    // Qt on Linux names a combo box after its current item; a screen reader finds what it
    // is for through the label that stands for it.
    c.Label2->setBuddy(c.DataCombo1);
    nameControls(c);
    if (c.Form1 &&
        !c.Form1->findChild<QObject*>(QLatin1String(kWatcherName), Qt::FindDirectChildrenOnly))
        c.Form1->installEventFilter(new LanguageWatcher(c.Form1, c));
}

} // namespace present
