// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Form1Build.h"

#include "data/RecordsetModel.h"
#include "present/AccessibleNames.h"
#include "present/GridEditor.h"
#include "present/LayoutScaler.h"
#include "present/LongText.h"
#include "present/QuestionArea.h"
#include "present/TabOrder.h"
#include "present/TranslatedText.h"
#include "present/Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QStyle>

namespace window {
namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Captions are English sources shown in the language in use.
present::ClickableLabel* label(QWidget* area, const char* name, const char* caption) {
    auto* l = named(new present::ClickableLabel(area), name);
    present::setTranslatedText(l, "Form1", QString::fromUtf8(caption));
    l->setAutoFillBackground(true);
    return l;
}

QPushButton* button(QWidget* area, const char* name, const char* caption) {
    auto* b = named(new QPushButton(area), name);
    present::setTranslatedText(b, "Form1", QString::fromUtf8(caption));
    return b;
}

QTableView* grid(QWidget* area, const char* name, data::RecordsetModel* model,
                 present::EntryGrid::Enter rule) {
    auto* g = named(new present::EntryGrid(rule, area), name);
    g->setModel(model);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

data::RecordsetModel* dataControl(QObject* owner, const char* name, const QString& source) {
    auto* m = named(new data::RecordsetModel(owner), name);
    m->setSource(source);
    return m;
}

// The menu bar as data, in the order shown: a row at depth 0 is a menu of the bar; a row is
// a submenu when the rows after it are one deeper, otherwise an entry. Each action (and
// each menu) is named after its control.
struct MenuRow {
    int depth;
    QAction* present::Form1Controls::*action;
    const char* name;
    const char* caption;
};

using C = present::Form1Controls;
const MenuRow kMenuBar[] = {
    {0, &C::mnuFile, "mnuFile", QT_TRANSLATE_NOOP("Form1", "&File")},
    {1, &C::CreatSet, "CreatSet", QT_TRANSLATE_NOOP("Form1", "New set")},
    {1, &C::mnuLearn, "mnuLearn", QT_TRANSLATE_NOOP("Form1", "Learn")},
    {1, &C::ChangeSet, "ChangeSet", QT_TRANSLATE_NOOP("Form1", "Edit set")},
    {1, &C::mnuEdSetName, "mnuEdSetName", QT_TRANSLATE_NOOP("Form1", "Edit set name")},
    {1, &C::mnulog1, "mnulog1", QT_TRANSLATE_NOOP("Form1", "Log")},
    {2, &C::mnulog, "mnulog", QT_TRANSLATE_NOOP("Form1", "Show the Log")},
    {2, &C::mnuStatistics, "mnuStatistics", QT_TRANSLATE_NOOP("Form1", "Statistics...")},
    {2, &C::mnuCleanLog, "mnuCleanLog", QT_TRANSLATE_NOOP("Form1", "Clean the Log")},
    {1, &C::mnuExport, "mnuExport", QT_TRANSLATE_NOOP("Form1", "Export")},
    {1, &C::mnuExpWordList, "mnuExpWordList",
     QT_TRANSLATE_NOOP("Form1", "Export set as word list...")},
    {1, &C::mnuImport, "mnuImport", QT_TRANSLATE_NOOP("Form1", "Import")},
    {2, &C::mnuImpWithLog, "mnuImpWithLog", QT_TRANSLATE_NOOP("Form1", "Import with log")},
    {2, &C::mnuImpNoLog, "mnuImpNoLog", QT_TRANSLATE_NOOP("Form1", "Import without log")},
    {2, &C::mnuImpWordList, "mnuImpWordList", QT_TRANSLATE_NOOP("Form1", "Word list...")},
    {0, &C::mnuLearnMain, "mnuLearnMain", QT_TRANSLATE_NOOP("Form1", "&Learn")},
    {1, &C::mnuWholeSet, "mnuWholeSet", QT_TRANSLATE_NOOP("Form1", "Learn the whole set")},
    {1, &C::mnuDemons, "mnuDemons", QT_TRANSLATE_NOOP("Form1", "Demons")},
    {2, &C::mnuArrangeDemons, "mnuArrangeDemons", QT_TRANSLATE_NOOP("Form1", "Arrange Demons")},
    {2, &C::mnuLearnDemons, "mnuLearnDemons", QT_TRANSLATE_NOOP("Form1", "Learn Demons")},
    {1, &C::mnuUndoReply, "mnuUndoReply", QT_TRANSLATE_NOOP("Form1", "Undo last reply")},
    {0, &C::mnuEdit, "mnuEdit", QT_TRANSLATE_NOOP("Form1", "&Edit")},
    {1, &C::mnuDelete, "mnuDelete", QT_TRANSLATE_NOOP("Form1", "Delete set")},
    {1, &C::mnuCrMulti, "mnuCrMulti", QT_TRANSLATE_NOOP("Form1", "Create Multiple Answer")},
    {1, &C::mnusound, "mnusound", QT_TRANSLATE_NOOP("Form1", "Sound")},
    {2, &C::mnudelay, "mnudelay", QT_TRANSLATE_NOOP("Form1", "Delay")},
    {2, &C::mnuVoice, "mnuVoice", QT_TRANSLATE_NOOP("Form1", "Voice...")},
    {1, &C::mnuJudging, "mnuJudging", QT_TRANSLATE_NOOP("Form1", "Judging")},
    {2, &C::mnuIgnoreCapitals, "mnuIgnoreCapitals", QT_TRANSLATE_NOOP("Form1", "Ignore capitals")},
    {2, &C::mnuIgnoreBlanks, "mnuIgnoreBlanks", QT_TRANSLATE_NOOP("Form1", "Ignore extra blanks")},
    {0, &C::mnuView, "mnuView", QT_TRANSLATE_NOOP("Form1", "&Mode")},
    {1, &C::mnuKids, "mnuKids", QT_TRANSLATE_NOOP("Form1", "Kids")},
    {1, &C::mnuStandard, "mnuStandard", QT_TRANSLATE_NOOP("Form1", "Academic")},
    {2, &C::mnuTalking, "mnuTalking", QT_TRANSLATE_NOOP("Form1", "Talking")},
    {2, &C::mnuSilent, "mnuSilent", QT_TRANSLATE_NOOP("Form1", "Silent")},
    {0, &C::mnuHelp, "mnuHelp", QT_TRANSLATE_NOOP("Form1", "&Help")},
    {1, &C::mnuTutorial, "mnuTutorial", QT_TRANSLATE_NOOP("Form1", "Tutorial")},
    {2, &C::mnuHelpTalking, "mnuHelpTalking", QT_TRANSLATE_NOOP("Form1", "Academic")},
    {2, &C::mnuKidsHelp, "mnuKidsHelp", QT_TRANSLATE_NOOP("Form1", "Kids")},
    {1, &C::about, "about", QT_TRANSLATE_NOOP("Form1", "About Memorant")},
};

void buildMenus(QMainWindow* window, present::Form1Controls& c) {
    QMenu* open[3] = {};
    for (auto row = std::begin(kMenuBar); row != std::end(kMenuBar); ++row) {
        const QString caption = QCoreApplication::translate("Form1", row->caption);
        const bool hasEntries = row + 1 != std::end(kMenuBar) && (row + 1)->depth > row->depth;
        QAction* action;
        if (row->depth == 0 || hasEntries) {
            QMenu* menu = row->depth == 0 ? window->menuBar()->addMenu(caption)
                                          : open[row->depth - 1]->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(row->name));
            open[row->depth] = menu;
            action = menu->menuAction();
        } else {
            action = open[row->depth - 1]->addAction(caption);
        }
        action->setObjectName(QString::fromLatin1(row->name));
        present::setTranslatedText(action, "Form1", QString::fromUtf8(row->caption));
        c.*(row->action) = action;
    }
    c.mnuFileMenu = c.mnuFile->menu();

    c.mnuUndoReply->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    c.mnuUndoReply->setEnabled(false);
    // The entry's tooltip says why it is disabled.
    c.mnuLearnMain->menu()->setToolTipsVisible(true);
    // Held by the window too, so the key works whether or not the menu bar is shown.
    window->addAction(c.mnuUndoReply);
    c.mnuIgnoreCapitals->setCheckable(true);
    c.mnuIgnoreBlanks->setCheckable(true);
}

// Where the controls sit before any screen is laid out (twips). The layouts move most of them;
// these places matter for what a layout only shows or only resizes.
void placeAtDesign(present::Form1Controls& c) {
    using present::placeTwips;
    placeTwips(c.DataCombo1, 480, 480, 3855, 315);
    placeTwips(c.TDBGrid2, 480, 1400, 5480, 3015);
    placeTwips(c.TDBGrid1, 6400, 1400, 3495, 3015);
    // Room for several replies between the question and the buttons, which move down to 5300.
    placeTwips(c.TDBGrid3, 480, 2640, 3735, 2415);
    placeTwips(c.Text1, 480, 480, 3735, 285);
    placeTwips(c.Text2, 480, 2040, 3855, 375);
    placeTwips(c.Text3, 480, 2640, 3735, 465);
    placeTwips(c.Command1, 1680, 2640, 1215, 375);
    placeTwips(c.Command2, 1680, 990, 1215, 375);
    placeTwips(c.Command3, 2520, 3480, 1095, 375);
    placeTwips(c.Command21, 960, 3480, 975, 375);
    placeTwips(c.Command4, 6400, 155);
    placeTwips(c.Command5, 6400, 860);
    placeTwips(c.Command11, 6400, 4560, 1215, 375);
    placeTwips(c.Label1, 960, 120);
    placeTwips(c.Label2, 960, 129);
    placeTwips(c.Label3, 600, 1200);
    placeTwips(c.Label4, 600, 2160);
    placeTwips(c.Label5, 3000, 2160);
    placeTwips(c.Label6, 3000, 2160);
    placeTwips(c.Label8, 960, 1320);
    placeTwips(c.Label9, 1740, 1000);
    placeTwips(c.Label10, 960, 120);
    placeTwips(c.Label11, 6400, 4560);
    placeTwips(c.Label12, 6400, 4920);
    for (QLabel* l : {c.Label1, c.Label2, c.Label3, c.Label4, c.Label5, c.Label6, c.Label8,
                      c.Label9, c.Label10, c.Label11, c.Label12})
        l->adjustSize();
    placeTwips(present::frameOf(c.Label7), 600, 1680, 3615, 375);
    placeTwips(c.Picture[9], 4380, 480, 360, 360);

    // Shown only while a multiple-answer card is being edited.
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.Command4, c.Command5, c.Label11, c.Label12, c.TDBGrid1})
        w->hide();
    // Opens the Demons Manager; no layout shows it (the menu entry is the way there).
    c.Command11->hide();
}

// The sound indicator of Academic Talking mode.
void makeSoundIndicator(present::ClickableLabel* picture) {
    present::setTranslatedToolTip(picture, "Form1",
                                  QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Sond mode is on")));
    // Drawn at twice its size and fitted into the label, so it grows with the screen.
    const int side = present::twipsToPixels(360, picture);
    picture->setPixmap(
        QApplication::style()->standardIcon(QStyle::SP_MediaVolume).pixmap(side * 2, side * 2));
    picture->setScaledContents(true);
    picture->setAlignment(Qt::AlignCenter);
}

} // namespace

void buildForm1Controls(QMainWindow* window, present::Form1Controls& c) {
    c.Form1 = window;
    window->setObjectName(QStringLiteral("Form1"));
    present::setTranslatedText(window, "Form1",
                               QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Edit Set")));
    c.area = named(new QWidget(window), "area");
    c.area->setAutoFillBackground(true);
    window->setCentralWidget(c.area);
    // The controls are placed by hand; the canvas carries them to the middle of a window
    // larger than the screen needs.
    c.canvas = named(new QWidget(c.area), "canvas");
    new present::LayoutScaler(window, c.area, c.canvas);
    QWidget* a = c.canvas;

    c.Adodc1 = dataControl(window, "Adodc1", QStringLiteral("qCurrentSetName"));
    c.Adodc1->setReadOnly(true);
    c.Adodc2 = dataControl(window, "Adodc2", QStringLiteral("qSelectedSet"));
    // The buffer table itself, so the answers can be typed, changed and deleted in the grid.
    c.Adodc3 = dataControl(window, "Adodc3", QStringLiteral("MultipleBuffer"));
    // The reply table itself, so the learner can type replies into the grid.
    c.Adodc4 = dataControl(window, "Adodc4", QStringLiteral("MultipleReply"));

    c.DataCombo1 = named(new QComboBox(a), "DataCombo1");
    c.DataCombo1->setModel(c.Adodc1);
    // The answers and the replies are lists typed one after another; in the card grid Enter
    // on a stored card only ends the edit of its cell.
    using Enter = present::EntryGrid::Enter;
    c.TDBGrid1 = grid(a, "TDBGrid1", c.Adodc3, Enter::FromAnyRow);
    c.TDBGrid2 = grid(a, "TDBGrid2", c.Adodc2, Enter::FromNewRow);
    c.TDBGrid2->setItemDelegate(new present::LongTextDelegate(c.TDBGrid2));
    c.TDBGrid3 = grid(a, "TDBGrid3", c.Adodc4, Enter::FromAnyRow);

    c.StatusBar1 = named(new QStatusBar(window), "StatusBar1");
    window->setStatusBar(c.StatusBar1);
    for (size_t i = 0; i < c.panels.size(); ++i) {
        c.panels[i] = new QLabel(c.StatusBar1);
        c.panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        // Each panel as wide as its text: an empty one takes no room from the others.
        c.StatusBar1->addWidget(c.panels[i]);
    }
    c.PanelDirection = named(new QLabel(c.StatusBar1), "PanelDirection");
    c.PanelDirection->hide();
    c.StatusBar1->addWidget(c.PanelDirection);
    c.PanelDue = named(new QLabel(c.StatusBar1), "PanelDue");
    c.PanelDue->hide();
    c.StatusBar1->addWidget(c.PanelDue);

    c.Text1 = named(new QLineEdit(a), "Text1");
    c.Text2 = named(new QLineEdit(a), "Text2");
    c.Text3 = named(new QLineEdit(a), "Text3");
    present::takeLongText(c.Text3);

    c.Command1 = button(a, "Command1", QT_TRANSLATE_NOOP("Form1", "Replace"));
    c.Command2 = button(a, "Command2", QT_TRANSLATE_NOOP("Form1", "Create"));
    c.Command3 = button(a, "Command3", "");
    c.Command21 = button(a, "Command21", "");
    c.Command4 =
        button(a, "Command4",
               QT_TRANSLATE_NOOP("Form1", "Display the number of answers with the question"));
    c.Command5 = button(a, "Command5", QT_TRANSLATE_NOOP("Form1", "The order is not important"));
    c.Command11 = button(a, "Command11", "Command1");

    c.Label1 = label(a, "Label1", QT_TRANSLATE_NOOP("Form1", "Enter a  name for the new set"));
    c.Label2 = label(a, "Label2", QT_TRANSLATE_NOOP("Form1", "Select the set from list"));
    c.Label3 = label(a, "Label3", QT_TRANSLATE_NOOP("Form1", "Question"));
    c.Label4 = label(a, "Label4", QT_TRANSLATE_NOOP("Form1", "Answer"));
    c.Label5 = label(a, "Label5", QT_TRANSLATE_NOOP("Form1", "Correct"));
    c.Label6 = label(a, "Label6", QT_TRANSLATE_NOOP("Form1", "Wrong"));
    c.Label7 = label(a, "Label7", "Label7");
    // The question text wraps within the learning screen's width, and a long one scrolls.
    present::makeQuestionArea(c.Label7, a);
    c.Label8 =
        label(a, "Label8", QT_TRANSLATE_NOOP("Form1", "Enter the new name for the selected set"));
    c.Label9 = label(a, "Label9", QT_TRANSLATE_NOOP("Form1", "Edit the set"));
    c.Label10 = label(a, "Label10", QT_TRANSLATE_NOOP("Form1", "Demons"));
    c.Label11 =
        label(a, "Label11",
              QT_TRANSLATE_NOOP("Form1", "Display the number of answers with the question"));
    c.Label12 = label(a, "Label12", QT_TRANSLATE_NOOP("Form1", "The order is important"));
    for (int i = 1; i <= 12; ++i) {
        c.Picture[static_cast<size_t>(i)] = new present::ClickableLabel(a);
        c.Picture[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Picture%1").arg(i));
        c.Picture[static_cast<size_t>(i)]->hide();
    }

    // Clicking "Question" puts it again and clicking "Demons" leaves them: the keyboard
    // presses them too.
    c.Label3->setActsAsButton(true);
    c.Label10->setActsAsButton(true);

    present::installButtonLabelAccessibility();
    present::nameMainControls(c);
    placeAtDesign(c);
    makeSoundIndicator(c.Picture[9]);
    present::keepTabsInReadingOrder(c.canvas);
    buildMenus(window, c);
    // Room for the card grid of the set-editing screen, the first one shown.
    present::resizeTwips(window, 6600, 5100);
}

} // namespace window
