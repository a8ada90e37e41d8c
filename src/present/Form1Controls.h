// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/ClickableLabel.h"
#include "present/LayoutTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <array>

namespace data {
class RecordsetModel;
}

namespace present {

// Every control of the main window, by its design name. All exist from the start; the
// screen layouts show, hide, move and recaption them. The window fills this in.
struct Form1Controls {
    QMainWindow* Form1 = nullptr;
    QWidget* area = nullptr;   // the screens' shared area (central widget)
    QWidget* canvas = nullptr; // holds the controls, centred in the area at any scale

    QComboBox* DataCombo1 = nullptr;        // the set list (editing, renaming, learning)
    QTableView* TDBGrid1 = nullptr;         // the answers of a multiple-answer card being edited
    QTableView* TDBGrid2 = nullptr;         // the card grid of the chosen set
    QTableView* TDBGrid3 = nullptr;         // the replies typed to a multiple-answer card
    data::RecordsetModel* Adodc1 = nullptr; // qCurrentSetName, for the set list
    data::RecordsetModel* Adodc2 = nullptr; // qSelectedSet / qSelectedSetKids, the card grid
    data::RecordsetModel* Adodc3 = nullptr; // MultipleBuffer, the answers grid
    data::RecordsetModel* Adodc4 = nullptr; // MultipleReply, the reply grid

    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 5> panels{};  // status-bar panels 1 to 5
    QLabel* PanelDirection = nullptr; // after the five: shown while a set is not asked forward
    QLabel* PanelDue = nullptr;       // after those: the cards due today, while review is on

    QLineEdit* Text1 = nullptr; // the name of a new set
    QLineEdit* Text2 = nullptr; // the new name of the chosen set
    // The reply to a single-answer card. Emptied with setText(), which forgets its undo
    // history too, so Ctrl+Z never brings back a reply already judged.
    QLineEdit* Text3 = nullptr;

    QPushButton* Command1 = nullptr;  // "Replace": renames the chosen set
    QPushButton* Command2 = nullptr;  // "Create": makes the new set
    QPushButton* Command3 = nullptr;  // "Next": the next question
    QPushButton* Command21 = nullptr; // "Check": judges the reply
    QPushButton* Command4 = nullptr;  // multiple answers: show their number with the question
    QPushButton* Command5 = nullptr;  // multiple answers: whether their order matters
    QPushButton* Command11 = nullptr; // kept from the design, never shown

    ClickableLabel* Label1 = nullptr;  // "Enter a  name for the new set"
    ClickableLabel* Label2 = nullptr;  // "Select the set from list"
    ClickableLabel* Label3 = nullptr;  // "Question", above the question
    ClickableLabel* Label4 = nullptr;  // "Answer", above the reply
    ClickableLabel* Label5 = nullptr;  // "Correct" after a right reply
    ClickableLabel* Label6 = nullptr;  // "Wrong" after a wrong reply
    ClickableLabel* Label7 = nullptr;  // the question text
    ClickableLabel* Label8 = nullptr;  // "Enter the new name for the selected set"
    ClickableLabel* Label9 = nullptr;  // "Edit the set", above the card grid
    ClickableLabel* Label10 = nullptr; // "Demons", while the Demons are learnt
    ClickableLabel* Label11 = nullptr; // kept from the design (Command4 says it), never shown
    ClickableLabel* Label12 = nullptr; // kept from the design (Command5 says it), never shown

    // Picture1 to Picture12 at indexes 1 to 12 (index 0 unused): the Kids mode's picture
    // buttons and faces, Picture9 the sound indicator of Academic Talking, Picture12 the mode
    // picture.
    std::array<ClickableLabel*, 13> Picture{};

    // Menu bar. Submenu entries are the menus' own actions.
    QMenu* mnuFileMenu = nullptr;
    QAction* mnuFile = nullptr;
    QAction* CreatSet = nullptr;
    QAction* mnuLearn = nullptr;
    QAction* ChangeSet = nullptr;
    QAction* mnuEdSetName = nullptr;
    QAction* mnulog1 = nullptr;
    QAction* mnulog = nullptr;
    QAction* mnuStatistics = nullptr;
    QAction* mnuCleanLog = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuImpWithLog = nullptr;
    QAction* mnuImpNoLog = nullptr;
    QAction* mnuImpWordList = nullptr; // File > Import > Word list...
    QAction* mnuExpWordList = nullptr; // File > Export set as word list...
    QAction* mnuLearnMain = nullptr;
    QAction* mnuWholeSet = nullptr;
    QAction* mnuDemons = nullptr;
    QAction* mnuArrangeDemons = nullptr;
    QAction* mnuLearnDemons = nullptr;
    QAction* mnuUndoReply = nullptr; // Learn > Undo last reply
    QAction* mnuEdit = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuCrMulti = nullptr;
    QAction* mnusound = nullptr;
    QAction* mnudelay = nullptr;
    QAction* mnuVoice = nullptr;
    QAction* mnuJudging = nullptr; // Edit > Judging
    QAction* mnuIgnoreCapitals = nullptr;
    QAction* mnuIgnoreBlanks = nullptr;
    QAction* mnuView = nullptr;
    QAction* mnuKids = nullptr;
    QAction* mnuStandard = nullptr;
    QAction* mnuTalking = nullptr;
    QAction* mnuSilent = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuTutorial = nullptr;
    QAction* mnuHelpTalking = nullptr;
    QAction* mnuKidsHelp = nullptr;
    QAction* about = nullptr;
    QAction* mnuLanguage = nullptr; // Edit > Language...

    // The screen's layout as last applied, so its captions can be fitted again after a change
    // of language.
    const LayoutTable* lastLayout = nullptr;
    LayoutContext lastLayoutContext;
};

} // namespace present
