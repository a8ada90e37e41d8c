// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/AcademicLayouts.h"

#include <QCoreApplication>
#include <initializer_list>

namespace present {

bool settingApplies(When when, const LayoutContext& context) {
    switch (when) {
    case When::Always:
        return true;
    case When::Silent:
        return context.Silent;
    case When::NotSilent:
        return !context.Silent;
    case When::TalkingOn:
        return context.TalkingOn;
    case When::NotTalkingOn:
        return !context.TalkingOn;
    }
    return false;
}

QString cardGridSource(bool kids) {
    return kids ? QStringLiteral("qSelectedSetKids") : QStringLiteral("qSelectedSet");
}

namespace {

void hide(LayoutTable& t, std::initializer_list<const char*> names) {
    for (const char* n : names)
        t.controls.push_back({.control = n, .visible = false});
}

// The Kids picture buttons and the answer picture have no place on an Academic screen; after a
// switch back from Kids mode they must not linger.
void hideKidsPictures(LayoutTable& t, std::initializer_list<const char*> names) {
    hide(t, names);
}

// The sound indicator shows exactly while Academic Talking is on.
void soundIndicator(LayoutTable& t) {
    t.controls.push_back({.control = "Picture9", .when = When::TalkingOn, .visible = true});
    t.controls.push_back({.control = "Picture9", .when = When::NotTalkingOn, .visible = false});
}

LayoutTable makeSetEditing() {
    LayoutTable t;
    t.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Edit Set"));
    t.clearBackgroundPicture = true;
    t.setCardGridSource = true;
    t.controls = {
        {.control = "Label2",
         .visible = true,
         .left = 960,
         .top = 129,
         .back = kLightBlue,
         .fore = kButtonText,
         .bold = true,
         .pointSize = 10},
        {.control = "Label9",
         .visible = true,
         .left = 1740,
         .top = 1000,
         .back = kLightBlue,
         .fore = kButtonText,
         .bold = true,
         .pointSize = 10},
        {.control = "DataCombo1", .visible = true, .width = 3855},
        {.control = "TDBGrid2",
         .visible = true,
         .left = 480,
         .top = 1400,
         .width = 5480,
         .height = 3015},
        {.control = "Command4", .left = 6400, .top = 155},
        {.control = "Command5", .left = 6400, .top = 860},
    };
    soundIndicator(t);
    hide(t, {"Command1", "Command2", "Command3", "Command21", "Label1", "Label3", "Label4",
             "Label7", "Label8", "Label10", "Picture2", "Picture7", "Picture11", "TDBGrid3",
             "Text1", "Text2", "Text3"});
    // The feedback of the last answer belongs to the learning screen.
    hide(t, {"Label5", "Label6", "Command11"});
    hideKidsPictures(t, {"Picture1", "Picture3", "Picture4", "Picture5", "Picture6", "Picture8",
                         "Picture10", "Picture12"});
    t.menus = {
        {.entry = "mnuLearn", .visible = true, .enabled = true},
        {.entry = "mnuDelete", .visible = true, .enabled = true},
        {.entry = "mnuCrMulti", .visible = true},
        {.entry = "CreatSet", .enabled = true},
        {.entry = "mnuLearnMain", .visible = false},
    };
    return t;
}

LayoutTable makeSetName() {
    LayoutTable t;
    t.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Change Set Name"));
    t.clearBackgroundPicture = true;
    t.controls = {
        {.control = "Label8",
         .visible = true,
         .left = 960,
         .top = 1320,
         .width = 3135,
         .height = 255,
         .back = kLightBlue,
         .fore = kButtonText,
         .bold = true,
         .pointSize = 10},
        {.control = "Label2",
         .visible = true,
         .left = 1160,
         .top = 120,
         .back = kLightBlue,
         .fore = kButtonText,
         .bold = true,
         .pointSize = 10},
        {.control = "DataCombo1", .visible = true, .width = 3855},
        {.control = "Text2",
         .visible = true,
         .left = 480,
         .top = 2040,
         .width = 3855,
         .height = 375,
         .bold = true,
         .pointSize = 10},
        {.control = "Command1",
         .visible = true,
         .left = 1680,
         .top = 2640,
         .back = kButtonFace,
         .bold = true},
    };
    hide(t, {"Command2", "Command3", "Command4", "Command5", "Command21", "Label1", "Label9",
             "Label10", "Picture2", "Picture11", "TDBGrid2", "TDBGrid3", "Text1", "Text3"});
    // Nothing of the learning or multiple-answer screens may linger here: a visible answer
    // label or answer box is how other procedures recognise the learning screen.
    hide(t, {"Label3", "Label4", "Label5", "Label6", "Label7", "TDBGrid1", "Command11"});
    hideKidsPictures(t, {"Picture1", "Picture3", "Picture4", "Picture5", "Picture6", "Picture7",
                         "Picture8", "Picture10", "Picture12"});
    t.menus = {
        {.entry = "mnuLearnMain", .visible = false}, {.entry = "mnuLearn", .visible = false},
        {.entry = "CreatSet", .enabled = true},      {.entry = "mnuEdSetName", .enabled = false},
        {.entry = "ChangeSet", .enabled = true},
    };
    return t;
}

LayoutTable makeCreateSet() {
    LayoutTable t;
    t.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Create Set"));
    t.clearBackgroundPicture = true;
    t.controls = {
        {.control = "Label1",
         .visible = true,
         .left = 960,
         .top = 120,
         .back = kLightBlue,
         .fore = kButtonText,
         .bold = true,
         .pointSize = 10},
        {.control = "Text1",
         .visible = true,
         .left = 480,
         .top = 480,
         .width = 3735,
         .height = 285,
         .bold = true,
         .pointSize = 10,
         .clearText = true,
         .focus = true},
        {.control = "Command2",
         .visible = true,
         .left = 1680,
         .top = 990,
         .bold = true,
         .pointSize = 10},
    };
    hide(t,
         {"Command1", "Command4", "Command5", "DataCombo1", "Label2", "Label3", "Label4", "Label5",
          "Label6", "Label8", "Label9", "Label10", "Picture11", "TDBGrid2", "TDBGrid3"});
    // Nothing of the learning, set-name or multiple-answer screens may linger here.
    hide(t, {"Label7", "Text2", "Text3", "Command3", "Command21", "TDBGrid1", "Command11"});
    hideKidsPictures(t, {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6",
                         "Picture7", "Picture8", "Picture10", "Picture12"});
    t.menus = {
        {.entry = "mnuDelete", .enabled = false},    {.entry = "mnuLearn", .enabled = true},
        {.entry = "mnuLearnMain", .visible = false}, {.entry = "ChangeSet", .enabled = true},
        {.entry = "CreatSet", .enabled = false},
    };
    return t;
}

LayoutTable makeLearning() {
    LayoutTable t;
    t.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Learn Set"));
    t.clearBackgroundPicture = true;
    t.controls = {
        {.control = "Label2",
         .visible = true,
         .left = 960,
         .top = 120,
         .back = kLightBlue,
         .fore = kButtonText},
        // The set list stays offered on the learning screen, whichever screen came before.
        {.control = "DataCombo1", .visible = true, .left = 480, .top = 480},
        {.control = "Label3",
         .when = When::Silent,
         .visible = true,
         .left = 600,
         .top = 1200,
         .back = kLightBlue,
         .fore = kButtonText},
        {.control = "Label3", .when = When::NotSilent, .visible = false},
        // Two lines of question text at most, so the "Answer" label below stays clear.
        {.control = "Label7",
         .when = When::Silent,
         .visible = true,
         .left = 600,
         .top = 1680,
         .width = 3615,
         .height = 465,
         .back = kLightBlue,
         .pointSize = 10,
         .captionIsCurrentQuestion = true},
        // Spoken questions show no text.
        {.control = "Label7", .when = When::NotSilent, .visible = false},
        {.control = "Label4",
         .visible = true,
         .left = 600,
         .top = 2160,
         .back = kLightBlue,
         .fore = kButtonText},
        {.control = "Text3",
         .visible = true,
         .left = 480,
         .top = 2640,
         .width = 3735,
         .height = 465,
         .clearText = true,
         .focus = true},
        {.control = "Command21",
         .visible = true,
         .left = 960,
         .top = 3480,
         .width = 975,
         .height = 375,
         .bold = true,
         .pointSize = 10,
         .caption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Check")),
         .clearPicture = true},
        {.control = "Command3",
         .visible = true,
         .left = 2520,
         .top = 3480,
         .width = 1095,
         .height = 375,
         .bold = true,
         .pointSize = 10,
         .caption = QString::fromUtf8(QT_TRANSLATE_NOOP("Form1", "Next")),
         .clearPicture = true},
    };
    soundIndicator(t);
    hide(t,
         {"Command1", "Command2", "Command4", "Command5", "Label1", "Label5", "Label6", "Label8",
          "Label9", "Label10", "Picture7", "TDBGrid1", "TDBGrid2", "TDBGrid3", "Text1", "Text2"});
    hide(t, {"Command11"});
    hideKidsPictures(t, {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6",
                         "Picture8", "Picture10", "Picture11", "Picture12"});
    t.menus = {
        {.entry = "mnuLearnMain", .visible = true},
        {.entry = "mnuLearn", .visible = false},
        {.entry = "CreatSet", .visible = true, .enabled = true},
    };
    return t;
}

} // namespace

const LayoutTable& setEditingAcademic() {
    static const LayoutTable t = makeSetEditing();
    return t;
}

const LayoutTable& setNameAcademic() {
    static const LayoutTable t = makeSetName();
    return t;
}

const LayoutTable& createSetAcademic() {
    static const LayoutTable t = makeCreateSet();
    return t;
}

const LayoutTable& learningAcademic() {
    static const LayoutTable t = makeLearning();
    return t;
}

} // namespace present
