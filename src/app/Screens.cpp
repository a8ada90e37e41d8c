#include "app/Screens.h"

namespace app {

void Screens::connectControls() {}

void Screens::setScreenFlags(bool setEditing, bool newSetName, bool learning, bool createSet) {
    s_.screens.setEditing = setEditing;
    s_.screens.newSetName = newSetName;
    s_.screens.learning = learning;
    s_.screens.createSet = createSet;
}

void Screens::ScrChangeVisible() {
    setScreenFlags(true, false, false, false);
    s_.c.Form1->setWindowTitle(QStringLiteral("Edit Set"));
    s_.c.Picture[12]->hide();
    s_.c.StatusBar1->hide();
    s_.c.ChangeSet->setEnabled(false);
    s_.c.mnuEdSetName->setEnabled(true);
}

void Screens::ScrCreateVisible() {
    setScreenFlags(false, false, false, true);
    s_.c.Form1->setWindowTitle(QStringLiteral("Create Set"));
    s_.c.StatusBar1->hide();
    s_.c.mnuCrMulti->setVisible(false);
    s_.c.mnuEdSetName->setEnabled(true);
}

void Screens::ScrLearnVisible() {
    setScreenFlags(false, false, true, false);
    s_.c.Form1->setWindowTitle(QStringLiteral("Learn Set"));
    s_.c.StatusBar1->show();
    s_.c.mnuCrMulti->setVisible(false);
    s_.c.ChangeSet->setEnabled(true);
    s_.c.mnuEdSetName->setEnabled(true);
    s_.lesson.CurSetSize = s_.lesson.CurRowLim;
    loop_.SubStatusBar();
}

void Screens::ScrChngSetName() {
    setScreenFlags(false, true, false, false);
    s_.c.Form1->setWindowTitle(QStringLiteral("Change Set Name"));
    s_.c.StatusBar1->hide();
    s_.c.mnuCrMulti->setVisible(false);
}

} // namespace app
