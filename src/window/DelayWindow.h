// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Recordset.h"
#include "present/Dialogs.h"
#include "present/Form1State.h"

#include <QDialog>
#include <QObject>

class QLabel;
class QSlider;

namespace window {

// The "Delay" window: one slider for the number of pause steps after a correct reply
// (Fields1.Zad), kept through the window's own connection, with what it sets and its value
// in seconds beside it.
class Form7 : public QDialog {
    Q_OBJECT
  public:
    explicit Form7(present::Dialogs& dialogs, QWidget* parent = nullptr);

    // Opens the window's connection and record set and puts the slider at Zad.
    // Throws data::DbError when the database cannot be read.
    void Form_Load();
    void Slider1_Change(int position);

    QSlider* Slider1 = nullptr;
    QLabel* value = nullptr; // the slider's position in seconds

    // "No pause", "0.4 seconds", ... for a slider position.
    static QString valueText(int position);

  private:
    present::Dialogs& dialogs_;
    data::Recordset fields1_;
};

// The menu entry that opens the Delay window.
class DelayMenu : public QObject {
    Q_OBJECT
  public:
    // Connects the entry at once; `window` is the parent of the Delay window.
    DelayMenu(present::Form1State& s, QWidget* window);

    void mnudelay_Click();

  private:
    present::Form1State& s_;
    QWidget* window_;
};

} // namespace window
