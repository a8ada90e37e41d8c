#pragma once

#include "present/ClickableLabel.h"

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
    QWidget* area = nullptr; // the screens' shared area (central widget)

    QComboBox* DataCombo1 = nullptr;
    QTableView* TDBGrid1 = nullptr;
    QTableView* TDBGrid2 = nullptr;
    QTableView* TDBGrid3 = nullptr;
    data::RecordsetModel* Adodc1 = nullptr; // qCurrentSetName, for the set list
    data::RecordsetModel* Adodc2 = nullptr; // qSelectedSet / qSelectedSetKids, the card grid
    data::RecordsetModel* Adodc3 = nullptr; // MultipleBuffer, the answers grid
    data::RecordsetModel* Adodc4 = nullptr; // MultipleReply, the reply grid

    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 5> panels{}; // status-bar panels 1 to 5

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command21 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command11 = nullptr;

    ClickableLabel* Label1 = nullptr;
    ClickableLabel* Label2 = nullptr;
    ClickableLabel* Label3 = nullptr;
    ClickableLabel* Label4 = nullptr;
    ClickableLabel* Label5 = nullptr;
    ClickableLabel* Label6 = nullptr;
    ClickableLabel* Label7 = nullptr;
    ClickableLabel* Label8 = nullptr;
    ClickableLabel* Label9 = nullptr;
    ClickableLabel* Label10 = nullptr;
    ClickableLabel* Label11 = nullptr;
    ClickableLabel* Label12 = nullptr;

    // Picture1 to Picture12 at indexes 1 to 12 (index 0 unused).
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
};

} // namespace present
