// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RegularFile.h"
#include "present/Form1State.h"

#include <QObject>
#include <QString>

class QWidget;

namespace window {

// File > Export and File > Import: writing the exchange file and merging one.
class ExchangeMenu : public QObject {
    Q_OBJECT
  public:
    ExchangeMenu(present::Form1State& s, QWidget* window);

    void mnuExport_Click();
    void mnuImpWithLog_Click();
    void mnuImpNoLog_Click();

    // The file both entries use; tests point it into a temporary folder.
    void setExchangePath(const QString& path) { path_ = path; }
    const QString& exchangePath() const { return path_; }

  private:
    void importFile(bool withLog);
    // Warns and says true when the exchange file or its companion is not a regular file.
    [[nodiscard]] bool refuseSpecialFile(data::FileUse use);

    present::Form1State& s_;
    QWidget* window_;
    QString path_;
};

} // namespace window
