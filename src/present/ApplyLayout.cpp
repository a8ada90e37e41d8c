// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/ApplyLayout.h"

#include "data/RecordsetModel.h"
#include "present/KidsPictures.h"
#include "present/LayoutScaler.h"
#include "present/QuestionArea.h"
#include "present/ScaleRules.h"
#include "present/ScaledPlacement.h"
#include "present/SystemPalette.h"
#include "present/TranslatedText.h"
#include "present/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <stdexcept>

namespace present {
namespace {

QColor resolve(const LayoutColour& colour) {
    const QPalette system = QApplication::palette();
    switch (colour.role) {
    case LayoutColour::Role::Rgb:
        return QColor(colour.red, colour.green, colour.blue);
    case LayoutColour::Role::ButtonFace:
        return system.color(QPalette::Button);
    case LayoutColour::Role::ButtonText:
        return system.color(QPalette::ButtonText);
    case LayoutColour::Role::ButtonHighlight:
        return system.color(QPalette::Light);
    case LayoutColour::Role::CaptionText:
        return system.color(QPalette::HighlightedText);
    }
    return {};
}

// Buttons paint their face with the Button role, labels their background with Window.
void setBackColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    if (qobject_cast<QAbstractButton*>(w)) {
        p.setColor(QPalette::Button, colour);
    } else {
        p.setColor(QPalette::Window, colour);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

void setForeColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(qobject_cast<QAbstractButton*>(w) ? QPalette::ButtonText : QPalette::WindowText,
               colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

// Under a font larger than the usual ones, or in a language other than English, a caption may
// be longer than the control designed for it.
bool captionsMayOutgrow() {
    return interfaceTranslated() || fontBoost(QApplication::font().pointSizeF()) > 1.0;
}

void applyGeometry(QWidget* w, const ControlSetting& s) {
    const auto designed = [w](const std::optional<int>& twips) -> std::optional<double> {
        if (!twips)
            return std::nullopt;
        return twipsToDesign(*twips, w);
    };
    if (s.left || s.top || s.width || s.height)
        placeDesigned(w,
                      {designed(s.left), designed(s.top), designed(s.width), designed(s.height)});
}

// Labels and buttons whose size the layout leaves open are sized to their caption, and a
// label never cuts its caption off: the face standing in for the designed one is wider.
void fitToCaption(QWidget* w, const ControlSetting& s) {
    const bool label = qobject_cast<QLabel*>(w) != nullptr;
    const bool button = qobject_cast<QAbstractButton*>(w) != nullptr;
    // A picture keeps the size it was given; its frame would otherwise make it grow.
    if ((!label && !button) || (label && !kidsPictureOf(w).isEmpty()))
        return;
    const QSize hint = w->sizeHint();
    if (!s.width && !s.height) {
        if (label && qobject_cast<QLabel*>(w)->wordWrap())
            w->resize(w->width(), std::max(hint.height(), w->heightForWidth(w->width())));
        else
            w->resize(hint);
    } else if (label && !qobject_cast<QLabel*>(w)->wordWrap() && hint.width() > w->width()) {
        w->resize(hint.width(), std::max(w->height(), hint.height()));
    }
}

// Under a font larger than the usual ones, a caption grown past the screens' right edge
// moves left into them, and one wider than the whole screen widens the window.
void keepInside(QWidget* w) {
    LayoutScaler* scaler = LayoutScaler::of(w);
    if (scaler == nullptr || scaler->designedSize().isEmpty() || w->isWindow() ||
        !captionsMayOutgrow())
        return;
    const double factor = scaler->factor();
    if (w->x() + w->width() <= scaledLength(scaler->designedSize().width(), factor))
        return;
    widenWindowTo(w->window(), w->width());
    const double right = scaler->designedSize().width();
    placeDesigned(w, {.x = std::max(0.0, right - w->width() / factor)});
}

// Under a font larger than the usual ones a button's caption may outgrow the designed
// button: it widens about its centre. With the usual fonts every button keeps its design.
void fitButtonsToCaptions(Form1Controls& c) {
    if (!captionsMayOutgrow())
        return;
    const double factor = layoutScale(c.canvas);
    for (QPushButton* b : c.canvas->findChildren<QPushButton*>()) {
        if (b->text().isEmpty() || !b->isVisibleTo(c.Form1))
            continue;
        const QString caption = QString(b->text()).remove(QLatin1Char('&'));
        const int needed = b->fontMetrics().horizontalAdvance(caption) +
                           b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) + 4;
        if (needed <= b->width())
            continue;
        placeDesigned(
            b, {.x = (b->x() - (needed - b->width()) / 2.0) / factor, .width = needed / factor});
        if (b->x() < 0)
            placeDesigned(b, {.x = 0.0});
        keepInside(b);
    }
}

void clearPicture(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setIcon(QIcon());
        b->setProperty("kidsPicture", QVariant());
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setPixmap(QPixmap());
    }
}

void setPicture(QWidget* w, const char* picture) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        setKidsButtonPicture(b, QString::fromLatin1(picture));
    else if (auto* l = qobject_cast<QLabel*>(w))
        setKidsPicture(l, QString::fromLatin1(picture));
}

void applyFont(QWidget* w, const ControlSetting& s) {
    if (!s.bold && !s.pointSize)
        return;
    QFont f = w->font();
    f.setFamily(defaultSansFamily());
    if (s.bold)
        f.setBold(*s.bold);
    if (s.pointSize)
        f.setPointSizeF(scaledPointSize(*s.pointSize, layoutScale(w)) *
                        fontBoost(QApplication::font().pointSizeF()));
    w->setFont(f);
}

void applyColours(QWidget* w, const ControlSetting& s) {
    // Under the user's own colours a designed one could vanish on them: the control keeps
    // the palette's.
    if (followsSystemPalette())
        return;
    if (s.back)
        setBackColour(w, resolve(*s.back));
    if (s.fore)
        setForeColour(w, resolve(*s.fore));
}

void applyControl(QWidget* w, const ControlSetting& s, const LayoutContext& context) {
    if (s.caption)
        setTranslatedText(w, "Form1", *s.caption);
    if (s.captionIsCurrentQuestion)
        setShownText(w, context.currentQuestion);
    if (s.clearPicture)
        clearPicture(w);
    applyFont(w, s);
    applyColours(w, s);
    // The question text is placed through the scroll area it sits in.
    QWidget* frame = frameOf(w);
    applyGeometry(frame, s);
    if (s.caption || s.captionIsCurrentQuestion || s.bold || s.pointSize || s.left || s.top ||
        s.width || s.height) {
        fitToCaption(w, s);
        if (frame == w)
            keepInside(w);
    }
    if (s.picture)
        setPicture(w, s.picture);
    if (s.border) {
        if (auto* f = qobject_cast<QFrame*>(w))
            f->setFrameStyle(*s.border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    }
    if (s.enabled)
        w->setEnabled(*s.enabled);
    if (s.clearText) {
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->clear();
    }
    if (s.visible) {
        w->setVisible(*s.visible);
        frame->setVisible(*s.visible);
    }
    if (s.focus)
        w->setFocus(Qt::OtherFocusReason);
}

} // namespace

QString defaultSansFamily() {
    static const QString family = [] {
        QFont f;
        f.setStyleHint(QFont::SansSerif);
        f.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        return f.family();
    }();
    return family;
}

QWidget* controlNamed(Form1Controls& c, const QString& name) {
    if (c.Form1 == nullptr)
        throw std::logic_error("the main window's controls are not built");
    auto* w = c.Form1->findChild<QWidget*>(name);
    if (w == nullptr)
        throw std::logic_error("no control named " + name.toStdString());
    return w;
}

QAction* menuEntryNamed(Form1Controls& c, const QString& name) {
    if (c.Form1 == nullptr)
        throw std::logic_error("the main window's controls are not built");
    auto* a = c.Form1->findChild<QAction*>(name);
    if (a == nullptr)
        throw std::logic_error("no menu entry named " + name.toStdString());
    return a;
}

void applyLayout(const LayoutTable& table, Form1Controls& c, const LayoutContext& context) {
    c.lastLayout = &table;
    c.lastLayoutContext = context;
    if (!table.windowCaption.isEmpty())
        setTranslatedText(c.Form1, "Form1", table.windowCaption);
    if (table.clearBackgroundPicture)
        clearBackgroundPicture(c);
    if (table.backgroundPicture) {
        setKidsBackground(c, QString::fromLatin1(table.backgroundPicture));
        // The pictures were drawn for dark text; the user's colours may not be.
        if (followsSystemPalette())
            for (QLabel* label : c.area->findChildren<QLabel*>())
                if (kidsPictureOf(label).isEmpty())
                    fillFromPalette(label);
    }
    for (const ControlSetting& s : table.controls) {
        if (settingApplies(s.when, context))
            applyControl(controlNamed(c, QString::fromLatin1(s.control)), s, context);
    }
    for (const MenuSetting& m : table.menus) {
        QAction* a = menuEntryNamed(c, QString::fromLatin1(m.entry));
        if (m.visible)
            a->setVisible(*m.visible);
        if (m.enabled)
            a->setEnabled(*m.enabled);
    }
    if (table.setCardGridSource)
        c.Adodc2->setSource(cardGridSource(context.kids));
    fitButtonsToCaptions(c);
}

void retranslateScreen(Form1Controls& c) {
    retranslateTexts(c.Form1);
    if (c.lastLayout == nullptr)
        return;
    for (const ControlSetting& s : c.lastLayout->controls) {
        if (!settingApplies(s.when, c.lastLayoutContext))
            continue;
        QWidget* w = controlNamed(c, QString::fromLatin1(s.control));
        fitToCaption(w, s);
        if (frameOf(w) == w)
            keepInside(w);
    }
    fitButtonsToCaptions(c);
}

void setScreenWidthTwips(Form1Controls& c, int twips) {
    setWidthTwips(c.Form1, twips);
    widenForCaptions(c);
}

void widenForCaptions(Form1Controls& c) {
    if (!captionsMayOutgrow())
        return;
    int left = c.canvas->width();
    int right = 0;
    for (QWidget* child : c.canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(c.Form1)) {
            left = std::min(left, child->x());
            right = std::max(right, child->x() + child->width());
        }
    // As much room right of the controls as the screen leaves left of them.
    if (right > 0)
        widenWindowTo(c.Form1, right + left);
}

void setBackgroundPicture(Form1Controls& c, const QPixmap& picture) {
    QPalette p = c.area->palette();
    p.setBrush(QPalette::Window, QBrush(picture));
    c.area->setPalette(p);
    c.area->setProperty("backgroundPicture", true);
}

void clearBackgroundPicture(Form1Controls& c) {
    QPalette p = c.area->palette();
    p.setBrush(QPalette::Window, QApplication::palette().brush(QPalette::Window));
    c.area->setPalette(p);
    c.area->setProperty("backgroundPicture", false);
}

bool hasBackgroundPicture(const Form1Controls& c) {
    return c.area->property("backgroundPicture").toBool();
}

} // namespace present
