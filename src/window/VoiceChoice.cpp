// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/VoiceChoice.h"

#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "speech/DefaultVoice.h"

#include <QLocale>

namespace app {

namespace {
const QString& voiceColumn = data::column::Voice;
}

QString storedVoice(data::RecordsetFamily& rs) {
    if (!rs.fields1.isOpen() || rs.fields1.isEmpty())
        return {};
    rs.fields1.moveFirst();
    return rs.fields1.value(voiceColumn).toString();
}

void storeVoice(data::RecordsetFamily& rs, const QString& voice) {
    if (rs.fields1.isEmpty())
        rs.fields1.addNew();
    else
        rs.fields1.moveFirst();
    rs.fields1.setValue(voiceColumn, voice);
    rs.fields1.update();
}

QString currentVoice(learn::Form1State& s) {
    QString stored;
    try {
        stored = storedVoice(s.rs);
    } catch (const data::DbError&) {
        // An unreadable setting costs only the choice of voice: speak in the default one.
    }
    return present::effectiveVoice(stored, s.speech.voices(), QLocale::system());
}

void applyStoredVoice(learn::Form1State& s) {
    const QString voice = currentVoice(s);
    if (!voice.isEmpty())
        s.speech.setVoice(voice);
}

} // namespace app
