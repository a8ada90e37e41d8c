// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/SetLifecycle.h"

#include "data/RecordsetModel.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "learn/rules/LessonState.h"
#include "sets/GridRefresh.h"
#include "sets/rules/StoredText.h"
#include "speech/SpeechAndSound.h"

#include <QCoreApplication>
#include <QFrame>

namespace sets {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

QString duplicateNameText() {
    return Text::tr("Set with the name specified already exists. Specify a different set name.");
}

} // namespace

void SetLifecycle::connectControls() {
    QObject::connect(s_.c.CreatSet, &QAction::triggered, [this] { CreatSet_Click(); });
    QObject::connect(s_.c.mnuEdSetName, &QAction::triggered, [this] { mnuEdSetName_Click(); });
    QObject::connect(s_.c.Command2, &QPushButton::clicked, [this] { Command2_Click(); });
    QObject::connect(s_.c.Text1, &QLineEdit::returnPressed, [this] { Text1_KeyDown(); });
    QObject::connect(s_.c.Command1, &QPushButton::clicked, [this] { Command1_Click(); });
    QObject::connect(s_.c.Picture[2], &present::ClickableLabel::clicked,
                     [this] { Picture2_Click(); });
    QObject::connect(s_.c.Text1, &QLineEdit::textChanged, [this] { Text1_Change(); });
    QObject::connect(s_.c.Text2, &QLineEdit::textChanged, [this] { Text2_Change(); });
    // Enter confirms a new name as it confirms a new set.
    QObject::connect(s_.c.Text2, &QLineEdit::returnPressed, [this] { Command1_Click(); });
    QObject::connect(s_.c.mnuDelete, &QAction::triggered, [this] { mnuDelete_Click(); });
}

template <typename Step> bool SetLifecycle::guarded(const QString& what, Step step) {
    try {
        step();
        return true;
    } catch (const data::DbError& e) {
        try {
            reopen();
        } catch (const data::DbError&) {
        }
        s_.dialogs.warning(what + QStringLiteral("\n\n") + e.message());
        return false;
    }
}

template <typename Step> void SetLifecycle::withSpeechFallback(Step step) {
    try {
        step();
    } catch (const speech::SpeechUnavailable&) {
        s_.window.SubErrorHandler429();
    }
}

void SetLifecycle::reopen() {
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
}

void SetLifecycle::refreshDataControls() {
    refreshCardGrid(s_.c.TDBGrid2, s_.c.Adodc2);
    s_.c.Adodc1->refresh();
}

void SetLifecycle::CreatSet_Click() {
    withSpeechFallback([this] {
        if (s_.c.TDBGrid1->isVisibleTo(s_.c.Form1))
            s_.window.SubLeaveTdbGrid1();
        s_.window.ScrCreateVisible();
    });
}

void SetLifecycle::mnuEdSetName_Click() {
    withSpeechFallback([this] {
        if (s_.c.TDBGrid1->isVisibleTo(s_.c.Form1))
            s_.window.SubLeaveTdbGrid1();
        s_.window.ScrChngSetName();
    });
}

void SetLifecycle::Picture2_Click() {
    withSpeechFallback([this] {
        // The screen flag tells the two screens apart; Text1 may still be shown on the
        // rename screen after a switch of modes.
        if (s_.screens.createSet) {
            if (s_.c.Text1->text().isEmpty())
                s_.dialogs.message(Text::tr("Enter the name of the new set"));
            else
                SubCreateSet();
        } else {
            SubCnangeSetName();
        }
    });
}

void SetLifecycle::Text1_Change() {
    s_.c.Picture[2]->setFrameStyle(QFrame::Box | QFrame::Plain);
}

void SetLifecycle::Text2_Change() {
    s_.c.Picture[2]->setFrameStyle(QFrame::Box | QFrame::Plain);
}

void SetLifecycle::SubCreateSet() {
    // A typed name is kept as an imported one is: capped, and storable in every file.
    const QString name = storableSetName(s_.c.Text1->text());
    if (name.isEmpty()) {
        s_.dialogs.message(Text::tr("You must enter the meaningful set name to create a new set"));
        return;
    }
    bool created = false;
    guarded(Text::tr("The set could not be created."), [&] {
        if (store_.nameTaken(name)) {
            s_.dialogs.message(duplicateNameText());
            return; // the create screen stays, with the typed name
        }
        store_.createSet(name);
        created = true;
    });
    if (!created)
        return;
    s_.window.ScrChangeVisible();
    refreshDataControls();
}

void SetLifecycle::SubCnangeSetName() {
    const QString newName = storableSetName(s_.c.Text2->text());
    // A set without a name could be neither told apart nor chosen again.
    if (newName.isEmpty()) {
        s_.dialogs.message(Text::tr("Enter the new set name"));
        return;
    }
    bool done = false;
    guarded(Text::tr("The set could not be renamed."), [&] {
        if (!store_.hasSets())
            return;
        if (store_.nameTaken(newName)) {
            s_.dialogs.message(duplicateNameText());
            return;
        }
        store_.renameSet(s_.c.DataCombo1->currentText(), newName);
        reopen();
        done = true;
    });
    if (!done)
        return;
    refreshDataControls();
    s_.window.ScrChangeVisible();
}

void SetLifecycle::SubMnuDelete() {
    bool any = true;
    if (!guarded(Text::tr("The sets could not be read."), [&] { any = store_.hasSets(); }) || !any)
        return;
    // Answers typed into an open list are stored first, as leaving the list does: the card
    // may belong to another set too and outlive this one.
    if (s_.c.TDBGrid1->isVisibleTo(s_.c.Form1))
        s_.window.SubLeaveTdbGrid1();
    // No by default: in Kids mode one Enter would otherwise delete the set.
    if (!s_.dialogs.confirm(Text::tr("Are you sure you want to delete the set?"), QString(),
                            present::Dialogs::Button::No))
        return;
    const bool deleted =
        guarded(Text::tr("The set could not be deleted; nothing was changed."), [&] {
            reopen();
            QString chosen;
            if (!s_.rs.fields.isEmpty()) {
                s_.rs.fields.moveFirst();
                chosen = s_.rs.fields.value(data::column::SetName).toString();
            }
            store_.deleteSet(chosen);
        });
    refreshDataControls();
    if (!deleted)
        return;
    const bool demonsLesson = s_.lesson.demons;
    if (onSetDeleted)
        onSetDeleted(); // a Demons lesson goes back to the chosen set
    if (!s_.screens.learning)
        return;
    // The lesson must not go on with the deleted cards: the set now chosen is learnt, or the
    // learning screen is left when no set is left.
    bool left = false;
    guarded(Text::tr("The sets could not be read."), [&] { left = store_.hasSets(); });
    if (!left)
        withSpeechFallback([this] { s_.window.ScrChangeVisible(); });
    else if (!demonsLesson)
        s_.c.mnuLearn->trigger();
}

void SetLifecycle::SubDelete() {
    guarded(Text::tr("The sets could not be removed."), [&] {
        store_.sweepSets();
        reopen();
    });
}

void SetLifecycle::SubDeleteCard() {
    guarded(Text::tr("The cards could not be removed."), [&] {
        store_.sweepCards();
        reopen();
    });
}

void SetLifecycle::SubCheckLastSetDelete() {
    guarded(Text::tr("The placeholder card could not be added."),
            [&] { store_.addPlaceholderIfLastSet(); });
}

} // namespace sets
