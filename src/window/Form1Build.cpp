// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Form1Build.h"

#include "data/RecordsetModel.h"
#include "present/GridEditor.h"
#include "present/LayoutScaler.h"
#include "present/LongText.h"
#include "present/QuestionArea.h"
#include "present/Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QStyle>

namespace app {
namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

present::ClickableLabel* label(QWidget* area, const char* name, const QString& caption) {
    auto* l = named(new present::ClickableLabel(caption, area), name);
    l->setAutoFillBackground(true);
    return l;
}

QPushButton* button(QWidget* area, const char* name, const QString& caption) {
    return named(new QPushButton(caption, area), name);
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

QAction* entry(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* submenu(QMenu* parent, const char* name, const QString& caption, QAction*& action) {
    QMenu* m = named(parent->addMenu(caption), name);
    action = m->menuAction();
    action->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* topMenu(QMenuBar* bar, const char* name, const QString& caption, QAction*& action) {
    QMenu* m = named(bar->addMenu(caption), name);
    action = m->menuAction();
    action->setObjectName(QString::fromLatin1(name));
    return m;
}

void buildMenus(QMainWindow* window, present::Form1Controls& c) {
    QMenuBar* bar = window->menuBar();
    QMenu* file = topMenu(bar, "mnuFile", QStringLiteral("&File"), c.mnuFile);
    c.mnuFileMenu = file;
    c.CreatSet = entry(file, "CreatSet", QStringLiteral("New set"));
    c.mnuLearn = entry(file, "mnuLearn", QStringLiteral("Learn"));
    c.ChangeSet = entry(file, "ChangeSet", QStringLiteral("Edit set"));
    c.mnuEdSetName = entry(file, "mnuEdSetName", QStringLiteral("Edit set name"));
    QMenu* log = submenu(file, "mnulog1", QStringLiteral("Log"), c.mnulog1);
    c.mnulog = entry(log, "mnulog", QStringLiteral("Show the Log"));
    c.mnuStatistics = entry(log, "mnuStatistics", QStringLiteral("Statistics..."));
    c.mnuCleanLog = entry(log, "mnuCleanLog", QStringLiteral("Clean the Log"));
    c.mnuExport = entry(file, "mnuExport", QStringLiteral("Export"));
    c.mnuExpWordList = entry(file, "mnuExpWordList", QStringLiteral("Export set as word list..."));
    QMenu* import = submenu(file, "mnuImport", QStringLiteral("Import"), c.mnuImport);
    c.mnuImpWithLog = entry(import, "mnuImpWithLog", QStringLiteral("Import with log"));
    c.mnuImpNoLog = entry(import, "mnuImpNoLog", QStringLiteral("Import without log"));
    c.mnuImpWordList = entry(import, "mnuImpWordList", QStringLiteral("Word list..."));

    QMenu* learn = topMenu(bar, "mnuLearnMain", QStringLiteral("&Learn"), c.mnuLearnMain);
    c.mnuWholeSet = entry(learn, "mnuWholeSet", QStringLiteral("Learn the whole set"));
    QMenu* demons = submenu(learn, "mnuDemons", QStringLiteral("Demons"), c.mnuDemons);
    c.mnuArrangeDemons = entry(demons, "mnuArrangeDemons", QStringLiteral("Arrange Demons"));
    c.mnuLearnDemons = entry(demons, "mnuLearnDemons", QStringLiteral("Learn Demons"));
    c.mnuUndoReply = entry(learn, "mnuUndoReply", QStringLiteral("Undo last reply"));
    c.mnuUndoReply->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    c.mnuUndoReply->setEnabled(false);
    learn->setToolTipsVisible(true); // the entry's tooltip says why it is disabled
    // Held by the window too, so the key works whether or not the menu bar is shown.
    window->addAction(c.mnuUndoReply);

    QMenu* edit = topMenu(bar, "mnuEdit", QStringLiteral("&Edit"), c.mnuEdit);
    c.mnuDelete = entry(edit, "mnuDelete", QStringLiteral("Delete set"));
    c.mnuCrMulti = entry(edit, "mnuCrMulti", QStringLiteral("Create Multiple Answer"));
    QMenu* sound = submenu(edit, "mnusound", QStringLiteral("Sound"), c.mnusound);
    c.mnudelay = entry(sound, "mnudelay", QStringLiteral("Delay"));
    c.mnuVoice = entry(sound, "mnuVoice", QStringLiteral("Voice..."));
    QMenu* judging = submenu(edit, "mnuJudging", QStringLiteral("Judging"), c.mnuJudging);
    c.mnuIgnoreCapitals = entry(judging, "mnuIgnoreCapitals", QStringLiteral("Ignore capitals"));
    c.mnuIgnoreBlanks = entry(judging, "mnuIgnoreBlanks", QStringLiteral("Ignore extra blanks"));
    c.mnuIgnoreCapitals->setCheckable(true);
    c.mnuIgnoreBlanks->setCheckable(true);

    QMenu* view = topMenu(bar, "mnuView", QStringLiteral("&Mode"), c.mnuView);
    c.mnuKids = entry(view, "mnuKids", QStringLiteral("Kids"));
    QMenu* standard = submenu(view, "mnuStandard", QStringLiteral("Academic"), c.mnuStandard);
    c.mnuTalking = entry(standard, "mnuTalking", QStringLiteral("Talking"));
    c.mnuSilent = entry(standard, "mnuSilent", QStringLiteral("Silent"));

    QMenu* help = topMenu(bar, "mnuHelp", QStringLiteral("&Help"), c.mnuHelp);
    QMenu* tutorial = submenu(help, "mnuTutorial", QStringLiteral("Tutorial"), c.mnuTutorial);
    c.mnuHelpTalking = entry(tutorial, "mnuHelpTalking", QStringLiteral("Academic"));
    c.mnuKidsHelp = entry(tutorial, "mnuKidsHelp", QStringLiteral("Kids"));
    c.about = entry(help, "about", QStringLiteral("About Memorant"));
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
    picture->setToolTip(QStringLiteral("Sond mode is on"));
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
    window->setWindowTitle(QStringLiteral("Edit Set"));
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
        c.StatusBar1->addWidget(c.panels[i], 1);
    }

    c.Text1 = named(new QLineEdit(a), "Text1");
    c.Text2 = named(new QLineEdit(a), "Text2");
    c.Text3 = named(new QLineEdit(a), "Text3");
    present::takeLongText(c.Text3);

    c.Command1 = button(a, "Command1", QStringLiteral("Replace"));
    c.Command2 = button(a, "Command2", QStringLiteral("Create"));
    c.Command3 = button(a, "Command3", QString());
    c.Command21 = button(a, "Command21", QString());
    c.Command4 =
        button(a, "Command4", QStringLiteral("Display the number of answers with the question"));
    c.Command5 = button(a, "Command5", QStringLiteral("The order is not important"));
    c.Command11 = button(a, "Command11", QStringLiteral("Command1"));

    c.Label1 = label(a, "Label1", QStringLiteral("Enter a  name for the new set"));
    c.Label2 = label(a, "Label2", QStringLiteral("Select the set from list"));
    c.Label3 = label(a, "Label3", QStringLiteral("Question"));
    c.Label4 = label(a, "Label4", QStringLiteral("Answer"));
    c.Label5 = label(a, "Label5", QStringLiteral("Correct"));
    c.Label6 = label(a, "Label6", QStringLiteral("Wrong"));
    c.Label7 = label(a, "Label7", QStringLiteral("Label7"));
    // The question text wraps within the learning screen's width, and a long one scrolls.
    present::makeQuestionArea(c.Label7, a);
    c.Label8 = label(a, "Label8", QStringLiteral("Enter the new name for the selected set"));
    c.Label9 = label(a, "Label9", QStringLiteral("Edit the set"));
    c.Label10 = label(a, "Label10", QStringLiteral("Demons"));
    c.Label11 =
        label(a, "Label11", QStringLiteral("Display the number of answers with the question"));
    c.Label12 = label(a, "Label12", QStringLiteral("The order is important"));
    for (int i = 1; i <= 12; ++i) {
        c.Picture[static_cast<size_t>(i)] = new present::ClickableLabel(a);
        c.Picture[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Picture%1").arg(i));
        c.Picture[static_cast<size_t>(i)]->hide();
    }

    placeAtDesign(c);
    makeSoundIndicator(c.Picture[9]);
    buildMenus(window, c);
    // Room for the card grid of the set-editing screen, the first one shown.
    present::resizeTwips(window, 6600, 5100);
}

} // namespace app
