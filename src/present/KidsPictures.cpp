// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/KidsPictures.h"

#include "present/ApplyLayout.h"
#include "present/Twips.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library, whose resources must be registered by hand.
static void initKidsResources() {
    Q_INIT_RESOURCE(kids);
}

namespace present {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

const char* const kPictureProperty = "kidsPicture";
const char* const kBackgroundProperty = "kidsBackground";

QString resourcePath(const QString& name) {
    initKidsResources();
    return QStringLiteral(":/kids/%1.svg").arg(name);
}

// Draws the picture again when its widget changes size, so it stays sharp at any size.
class Redraw : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            auto* w = static_cast<QWidget*>(watched);
            if (auto* label = qobject_cast<QLabel*>(w); label && !kidsPictureOf(w).isEmpty())
                label->setPixmap(kidsPicture(kidsPictureOf(w), label->contentsRect().size(),
                                             label->devicePixelRatioF()));
            else if (w->property("backgroundPicture").toBool() &&
                     !w->property(kBackgroundProperty).toString().isEmpty())
                paintBackground(w);
        }
        return QObject::eventFilter(watched, event);
    }

  public:
    static void paintBackground(QWidget* area) {
        const QString name = area->property(kBackgroundProperty).toString();
        QPalette p = area->palette();
        p.setBrush(QPalette::Window,
                   QBrush(kidsPicture(name, area->size(), area->devicePixelRatioF(), true)));
        area->setPalette(p);
    }
};

void watch(QWidget* w) {
    if (w->property("kidsRedraw").toBool())
        return;
    w->setProperty("kidsRedraw", true);
    w->installEventFilter(new Redraw(w));
}

struct PictureButton {
    int index;
    const char* picture;
    const char* toolTip; // nullptr: none
    const char* accessibleName;
    int width, height; // twips, where no layout gives a size
    int left, top;     // twips, where no layout gives a place
};

// Picture10 and Picture12 are shown, not clicked: the answer picture and the mode picture.
constexpr PictureButton kButtons[] = {
    {1, "learn", QT_TRANSLATE_NOOP("Form1", "Learn"), QT_TRANSLATE_NOOP("Form1", "Learn"), 1095,
     975, 240, 6720},
    {2, "confirm", nullptr, QT_TRANSLATE_NOOP("Form1", "Confirm"), 975, 975, 2880, 2520},
    {3, "edit", QT_TRANSLATE_NOOP("Form1", "Edit the set"),
     QT_TRANSLATE_NOOP("Form1", "Edit the set"), 1140, 975, 2400, 6720},
    {4, "rename", QT_TRANSLATE_NOOP("Form1", "Rename the set"),
     QT_TRANSLATE_NOOP("Form1", "Rename the set"), 1140, 975, 3120, 6720},
    {5, "create", QT_TRANSLATE_NOOP("Form1", "Create a new set"),
     QT_TRANSLATE_NOOP("Form1", "Create a new set"), 1095, 975, 4560, 6720},
    {6, "delete", QT_TRANSLATE_NOOP("Form1", "delete the set"),
     QT_TRANSLATE_NOOP("Form1", "delete the set"), 1095, 975, 6000, 6720},
    {7, "repeat", QT_TRANSLATE_NOOP("Form1", "Repeat"), QT_TRANSLATE_NOOP("Form1", "Repeat"), 1095,
     975, 3360, 1800},
    {8, "wholeset", QT_TRANSLATE_NOOP("Form1", "Learn the whole set"),
     QT_TRANSLATE_NOOP("Form1", "Learn the whole set"), 1095, 1095, 1200, 6600},
    {9, "sound", QT_TRANSLATE_NOOP("Form1", "Sond mode is on"),
     QT_TRANSLATE_NOOP("Form1", "Sond mode is on"), 360, 360, 4380, 480},
    {10, "smile", nullptr, QT_TRANSLATE_NOOP("Form1", "How the answer went"), 1215, 1215, 4440,
     4320},
    {11, "demons", QT_TRANSLATE_NOOP("Form1", "Learn Demons"),
     QT_TRANSLATE_NOOP("Form1", "Learn Demons"), 1095, 975, 0, 6600},
    {12, "mode", nullptr, QT_TRANSLATE_NOOP("Form1", "Kids mode"), 600, 600, 6480, 120},
};

} // namespace

bool kidsPictureExists(const QString& name) {
    return QFile::exists(resourcePath(name));
}

QPixmap kidsPicture(const QString& name, QSize size, qreal devicePixelRatio, bool fill) {
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Kept in shape and centred; a background covers the whole area, cut at its edges.
    QSizeF drawn = renderer.defaultSize();
    drawn.scale(QSizeF(size), fill ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    const QPointF at((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2);
    renderer.render(&painter, QRectF(at, drawn));
    return pixmap;
}

void setKidsPicture(QLabel* label, const QString& name) {
    label->setProperty(kPictureProperty, name);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(kidsPicture(name, label->contentsRect().size(), label->devicePixelRatioF()));
    watch(label);
}

QString kidsPictureOf(const QWidget* widget) {
    return widget->property(kPictureProperty).toString();
}

void setKidsButtonPicture(QAbstractButton* button, const QString& name) {
    button->setProperty(kPictureProperty, name);
    const QSize face = button->size() - QSize(4, 4);
    button->setIcon(QIcon(kidsPicture(name, face, button->devicePixelRatioF())));
    button->setIconSize(face);
}

void setKidsBackground(Form1Controls& c, const QString& name) {
    c.area->setProperty(kBackgroundProperty, name);
    setBackgroundPicture(c, kidsPicture(name, c.area->size(), c.area->devicePixelRatioF(), true));
    watch(c.area);
}

QString kidsBackgroundOf(const Form1Controls& c) {
    return hasBackgroundPicture(c) ? c.area->property(kBackgroundProperty).toString() : QString();
}

void nameKidsPictures(Form1Controls& c) {
    for (const PictureButton& b : kButtons) {
        ClickableLabel* p = c.Picture[static_cast<size_t>(b.index)];
        if (!p)
            continue;
        p->setToolTip(b.toolTip ? Text::tr(b.toolTip) : QString());
        p->setAccessibleName(Text::tr(b.accessibleName));
    }
}

void setUpPictureButtons(Form1Controls& c) {
    for (const PictureButton& b : kButtons) {
        ClickableLabel* p = c.Picture[static_cast<size_t>(b.index)];
        placeTwips(p, b.left, b.top, b.width, b.height);
        setKidsPicture(p, QString::fromLatin1(b.picture));
        // The face and the mode picture only show; the others are buttons.
        const bool button = b.index != 10 && b.index != 12;
        p->setActsAsButton(button);
        if (button)
            p->setCursor(Qt::PointingHandCursor);
    }
    nameKidsPictures(c);
}

} // namespace present
