// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QListWidget;

namespace window {

// Edit > Language...: the language of the windows on this machine, one of those offered.
class LanguageDialog : public QDialog {
    Q_OBJECT
  public:
    LanguageDialog(const QString& current, QWidget* parent = nullptr);

    QString chosen() const;
    void choose(const QString& code);
    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_;
};

} // namespace window
