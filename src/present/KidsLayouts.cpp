// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/KidsLayouts.h"

#include <QCoreApplication>
#include <initializer_list>

namespace present {
namespace {

void hide(LayoutTable& t, std::initializer_list<const char*> names) {
    for (const char* n : names)
        t.controls.push_back({.control = n, .visible = false});
}

void show(LayoutTable& t, const char* name, int left, int top) {
    t.controls.push_back({.control = name, .visible = true, .left = left, .top = top});
}

// The mode picture sits in the top right corner of every Kids screen that shows it.
void modePicture(LayoutTable& t) {
    show(t, "Picture12", 6480, 120);
}

LayoutTable makeSetEditing() {
    LayoutTable t;
    t.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Edit Set"));
    t.backgroundPicture = "background1";
    t.setCardGridSource = true;
    t.controls = {
        {.control = "Label2",
         .visible = true,
         .left = 2280,
         .top = 0,
         .width = 2775,
         .back = kButtonHighlight,
         .fore = kGreen,
         .bold = true,
         .pointSize = 10},
        {.control = "DataCombo1", .visible = true, .left = 2040, .top = 690, .width = 3255},
        {.control = "TDBGrid2",
         .visible = true,
         .left = 1680,
         .top = 1700,
         .width = 3855,
         .height = 3015},
    };
    show(t, "Picture1", 240, 6720);
    show(t, "Picture4", 3120, 6720);
    show(t, "Picture5", 4560, 6720);
    show(t, "Picture6", 6000, 6720);
    hide(t, {"Command3", "Command4", "Command5", "Command21", "Label1",    "Label3",
             "Label7",   "Label8",   "Label9",   "Label10",   "Picture2",  "Picture3",
             "Picture7", "Picture8", "Picture9", "Picture10", "Picture11", "TDBGrid1",
             "TDBGrid3", "Text1",    "Text2",    "Text3"});
    // What the learning and multiple-answer screens leave behind.
    hide(t,
         {"Label4", "Label5", "Label6", "Command1", "Command2", "Command11", "Label11", "Label12"});
    t.menus = {
        {.entry = "mnuLearn", .enabled = true},
        {.entry = "CreatSet", .visible = true, .enabled = true},
    };
    return t;
}

LayoutTable makeSetName() {
    LayoutTable t;
    t.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Change Set Name"));
    t.backgroundPicture = "background2";
    t.controls = {
        {.control = "Label8",
         .visible = true,
         .left = 1920,
         .top = 0,
         .width = 4575,
         .back = kCaptionText,
         .fore = kRed,
         .bold = true,
         .pointSize = 10},
        {.control = "DataCombo1", .visible = true, .left = 2460, .top = 320},
        {.control = "Text2",
         .visible = true,
         .left = 2160,
         .top = 2040,
         .width = 2655,
         .bold = true,
         .clearText = true},
        {.control = "Picture2", .visible = true, .top = 2520},
    };
    show(t, "Picture1", 240, 4920);
    show(t, "Picture3", 2280, 4920);
    show(t, "Picture5", 4560, 4920);
    modePicture(t);
    hide(t, {"Command1", "Command3", "Command4", "Command5", "Command21", "Label2", "Label4",
             "Label9", "Label10", "Picture6", "Picture7", "Picture8", "Picture11", "TDBGrid1",
             "TDBGrid2", "TDBGrid3", "Text3"});
    hide(t, {"Label1", "Label3", "Label5", "Label6", "Label7", "Text1", "Command2", "Command11",
             "Label11", "Label12", "Picture4", "Picture9", "Picture10"});
    t.menus = {
        {.entry = "mnuLearn", .visible = true},
        {.entry = "mnuEdSetName", .visible = true},
        {.entry = "CreatSet", .visible = true},
    };
    return t;
}

LayoutTable makeCreateSet() {
    LayoutTable t;
    t.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Create Set"));
    t.backgroundPicture = "background2";
    t.controls = {
        {.control = "Label1",
         .visible = true,
         .left = 1920,
         .top = 0,
         .back = kCaptionText,
         .fore = kRed,
         .bold = true,
         .pointSize = 12},
        {.control = "Text1",
         .visible = true,
         .left = 2160,
         .top = 2040,
         .width = 2655,
         .bold = true,
         .pointSize = 10,
         .clearText = true},
        {.control = "Picture2", .visible = true, .left = 2880, .top = 2520, .border = false},
        {.control = "Picture1", .visible = false, .left = 0, .top = 6720},
    };
    show(t, "Picture3", 2280, 4920);
    modePicture(t);
    hide(t, {"Command2", "Command3",  "Command4", "Command5", "Command21", "DataCombo1", "Label4",
             "Label8",   "Label9",    "Label10",  "Picture4", "Picture5",  "Picture6",   "Picture7",
             "Picture8", "Picture11", "TDBGrid1", "TDBGrid2", "TDBGrid3",  "Text3"});
    hide(t, {"Label2", "Label3", "Label5", "Label6", "Label7", "Text2", "Command1", "Command11",
             "Label11", "Label12", "Picture9", "Picture10"});
    t.menus = {
        {.entry = "mnuDelete", .enabled = false},
        {.entry = "mnuLearn", .enabled = false},
        {.entry = "CreatSet", .enabled = false},
    };
    return t;
}

LayoutTable makeLearning() {
    LayoutTable t;
    t.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Learn Set"));
    t.backgroundPicture = "background1";
    t.controls = {
        {.control = "Label2",
         .visible = true,
         .left = 2280,
         .top = 0,
         .width = 2775,
         .back = kButtonHighlight,
         .fore = kGreen,
         .bold = true,
         .pointSize = 10},
        {.control = "DataCombo1", .visible = true, .left = 2040, .top = 690, .width = 3255},
        {.control = "Label4",
         .visible = true,
         .left = 2160,
         .top = 2640,
         .width = 2055,
         .height = 735,
         .back = kCaptionText,
         .fore = kBlue,
         .bold = true,
         .pointSize = 18},
        {.control = "Text3",
         .visible = true,
         .left = 1140,
         .top = 3360,
         .width = 4815,
         .height = 855,
         .bold = true,
         .pointSize = 18,
         .clearText = true,
         .focus = true},
        {.control = "Command21",
         .visible = true,
         .left = 1560,
         .top = 4560,
         .width = 375,
         .height = 375,
         .caption = QString(),
         .enabled = false,
         .picture = "go"},
        {.control = "Command3",
         .visible = true,
         .left = 3120,
         .top = 4920,
         .width = 495,
         .height = 495,
         .caption = QString(),
         .enabled = true,
         .picture = "next"},
        {.control = "Picture7",
         .visible = true,
         .left = 3360,
         .top = 1800,
         .width = 1095,
         .height = 975},
        {.control = "Picture3",
         .visible = true,
         .left = 2400,
         .top = 6720,
         .width = 1140,
         .height = 975},
        {.control = "Picture4",
         .visible = true,
         .left = 3600,
         .top = 6720,
         .width = 1140,
         .height = 975},
        {.control = "Picture5",
         .visible = true,
         .left = 4800,
         .top = 6720,
         .width = 1095,
         .height = 975},
        {.control = "Picture8",
         .visible = true,
         .left = 1200,
         .top = 6600,
         .width = 1095,
         .height = 1095},
    };
    show(t, "Picture11", 0, 6600);
    modePicture(t);
    hide(t, {"Command4", "Command5", "Label1", "Label3", "Label5", "Label6", "Label7", "Label8",
             "Label9", "Label10", "Picture1", "Picture2", "Picture6", "TDBGrid1", "TDBGrid2",
             "TDBGrid3", "Text1", "Text2"});
    hide(t, {"Command1", "Command2", "Command11", "Label11", "Label12"});
    t.menus = {
        {.entry = "mnuLearn", .enabled = false},
    };
    return t;
}

} // namespace

const LayoutTable& setEditingKids() {
    static const LayoutTable t = makeSetEditing();
    return t;
}

const LayoutTable& setNameKids() {
    static const LayoutTable t = makeSetName();
    return t;
}

const LayoutTable& createSetKids() {
    static const LayoutTable t = makeCreateSet();
    return t;
}

const LayoutTable& learningKids() {
    static const LayoutTable t = makeLearning();
    return t;
}

} // namespace present
