// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace window {

// The Voice window: the speech voices to choose from, each named by its language and region,
// the current one selected, a "Try" button and the choice between the chosen set and all
// sets. With no set chosen the voice is for all sets.
class VoiceDialog : public QDialog {
    Q_OBJECT
  public:
    // `names` holds the engine's own name of each voice it names, which tells its variant.
    VoiceDialog(const QStringList& voices, const QHash<QString, QString>& names,
                const QString& current, const QString& setName, QWidget* parent = nullptr);

    // The code of the voice selected ("de"); empty when none is.
    QString selectedVoice() const;
    void selectVoice(const QString& voice);
    bool forAllSets() const;

    QListWidget* list() const { return list_; }
    QCheckBox* allSetsBox() const { return allSets_; }
    QPushButton* tryButton() const { return try_; }

  signals:
    // "Try": speak a sample in this voice.
    void tryVoice(const QString& voice);

  private:
    QListWidget* list_;
    QCheckBox* allSets_;
    QPushButton* try_;
};

} // namespace window
