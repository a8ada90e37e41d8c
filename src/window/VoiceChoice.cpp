// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/VoiceChoice.h"

#include "data/Sql.h"
#include "learn/rules/SetVoice.h"
#include "speech/DefaultVoice.h"
#include "window/VoiceDialog.h"

#include <QCoreApplication>
#include <QLocale>

namespace window {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(VoiceDialog)
};
} // namespace

QString currentVoice(present::Form1State& s) {
    QString stored;
    try {
        stored = learn::databaseVoice(s.rs.connection());
    } catch (const data::DbError&) {
        // An unreadable setting costs only the choice of voice: speak in the default one.
    }
    return speech::effectiveVoice(stored, s.speech.voices(), QLocale::system());
}

void applyStoredVoice(present::Form1State& s) {
    const QString voice = currentVoice(s);
    if (!voice.isEmpty())
        s.speech.setVoice(voice);
}

namespace {

void speakSample(present::Form1State& s, const QString& voice) {
    const QString before = s.speech.voice();
    s.speech.setVoice(voice);
    try {
        s.speech.speak(speech::voiceSample(voice));
    } catch (const speech::SpeechUnavailable& e) {
        s.dialogs.warning(Text::tr("The voice cannot be tried: %1").arg(e.message()),
                          Text::tr("Voice"));
    }
    s.speech.setVoice(before);
}

void storeChoice(present::Form1State& s, const QString& voice, const QString& setName,
                 bool allSets) {
    const QSqlDatabase db = s.rs.connection();
    try {
        if (allSets || setName.isEmpty()) {
            learn::storeVoiceForAllSets(db, voice);
            s.speech.setVoice(voice);
        } else if (!learn::storeSetVoice(db, setName, voice)) {
            s.dialogs.warning(
                Text::tr("The set \"%1\" is no longer there: no voice was stored.").arg(setName),
                Text::tr("Voice"));
        }
    } catch (const data::DbError& e) {
        s.dialogs.warning(
            Text::tr("The voice \"%1\" could not be stored: %2").arg(voice, e.message()),
            Text::tr("Voice"));
    }
    // The settings row read through the record sets changed behind them.
    s.rs.UnloadAll();
    s.rs.LoadAll();
}

} // namespace

void chooseVoice(present::Form1State& s) {
    const QStringList voices = s.speech.voices();
    if (voices.isEmpty()) {
        s.dialogs.warning(
            Text::tr("No speech voices were found on this machine: the espeak-ng voice "
                     "data may be missing."));
        return;
    }
    QString setName;
    QString own;
    QString shared;
    try {
        const QSqlDatabase db = s.rs.connection();
        setName = learn::chosenSetName(db);
        own = setName.isEmpty() ? QString() : learn::setVoice(db, setName);
        shared = learn::databaseVoice(db);
    } catch (const data::DbError& e) {
        s.dialogs.warning(Text::tr("The voices cannot be shown: %1").arg(e.message()),
                          Text::tr("Voice"));
        return;
    }
    const QString current = speech::voiceForSet(own, shared, voices, QLocale::system());
    // Not modal-blocking: the choice is stored when the window is closed with OK.
    QHash<QString, QString> names;
    for (const QString& v : voices)
        names.insert(v, s.speech.voiceName(v));
    auto* dialog = new VoiceDialog(voices, names, current, setName, s.c.Form1);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &VoiceDialog::tryVoice, dialog,
                     [&s](const QString& voice) { speakSample(s, voice); });
    QObject::connect(dialog, &QDialog::accepted, s.c.Form1, [&s, dialog, setName] {
        const QString voice = dialog->selectedVoice();
        if (!voice.isEmpty())
            storeChoice(s, voice, setName, dialog->forAllSets());
    });
    dialog->open();
}

} // namespace window
