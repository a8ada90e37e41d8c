// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DelayWindow.h"

#include "data/Database.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace window {
namespace {
constexpr int kMaxZad = 3;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DelayWindow)
};
} // namespace

Form7::Form7(present::Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(Text::tr("Delay"));
    Slider1 = new QSlider(Qt::Horizontal, this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setAccessibleName(Text::tr("Pause after a correct reply"));
    Slider1->setRange(0, kMaxZad);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(1);
    value = new QLabel(this);
    value->setObjectName(QStringLiteral("delayValue"));
    // Wide enough for the longest text, so the slider does not jump as it moves.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(valueText(kMaxZad)) + 8);
    connect(Slider1, &QSlider::valueChanged, this,
            [this](int position) { value->setText(valueText(position)); });
    auto* what =
        new QLabel(Text::tr("The pause after a correct reply, before the next question is put "
                            "(Talking and Kids modes), in steps of %1 seconds:")
                       .arg(QLocale().toString(speech::kPauseStepMs / 1000.0, 'f', 1)),
                   this);
    what->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(Slider1, 1);
    row->addWidget(value);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addLayout(row);
    value->setText(valueText(Slider1->value()));
    resize(360, 100);
}

QString Form7::valueText(int position) {
    if (position <= 0)
        return Text::tr("No pause");
    return Text::tr("%1 seconds")
        .arg(QLocale().toString(position * speech::kPauseStepMs / 1000.0, 'f', 1));
}

void Form7::Form_Load() {
    fields1_ =
        data::Recordset(data::openConnection(QStringLiteral("Form7")), QStringLiteral("Fields1"));
    int position = 0;
    if (!fields1_.isEmpty()) {
        fields1_.moveFirst();
        bool ok = false;
        const double zad = fields1_.value(data::column::Zad).toDouble(&ok);
        // A stored value the slider cannot show is shown at the nearest end.
        if (ok && std::isfinite(zad))
            position = static_cast<int>(std::lround(std::clamp(zad, 0.0, double(kMaxZad))));
    }
    {
        const QSignalBlocker quiet(Slider1); // putting the slider in place is not a change
        Slider1->setValue(position);
    }
    value->setText(valueText(position));
    connect(Slider1, &QSlider::valueChanged, this, &Form7::Slider1_Change, Qt::UniqueConnection);
}

void Form7::Slider1_Change(int position) {
    try {
        if (fields1_.isEmpty())
            fields1_.addNew();
        else
            fields1_.moveFirst();
        fields1_.setValue(data::column::Zad, position);
        fields1_.update();
    } catch (const data::DbError& e) {
        fields1_.cancelUpdate();
        dialogs_.warning(Text::tr("The delay could not be saved: %1").arg(e.message()));
    }
}

DelayMenu::DelayMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), window_(window) {
    connect(s_.c.mnudelay, &QAction::triggered, this, &DelayMenu::mnudelay_Click);
}

void DelayMenu::mnudelay_Click() {
    Form7 form(s_.dialogs, window_);
    try {
        form.Form_Load();
    } catch (const data::DbError& e) {
        s_.dialogs.warning(Text::tr("The delay cannot be shown: %1").arg(e.message()));
        return;
    }
    form.exec();
}

} // namespace window
