// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace app {

// The Voice window: the speech voices (languages) to choose from, the current one selected.
class VoiceDialog : public QDialog {
    Q_OBJECT
  public:
    VoiceDialog(const QStringList& voices, const QString& current, QWidget* parent = nullptr);

    QString selectedVoice() const;
    void selectVoice(const QString& voice);

  private:
    QListWidget* list_;
};

} // namespace app
