// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/ScaledPlacement.h"

#include "present/KidsPictures.h"
#include "present/ScaleRules.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace present {
namespace {

const char* const kScaleProperty = "layoutScale";
const char* const kDesignedProperty = "designedPlace";    // QRectF, at factor 1
const char* const kPlacedProperty = "placedAt";           // QRect, where that put the control
const char* const kSizeDesignedProperty = "sizeDesigned"; // false: sized by its caption

// The designed place of a control now drawn at `factor`. A part still where the last
// designed placement put it keeps its exact design; a part something else moved or sized
// since is taken from the control as it stands.
QRectF designedPlaceOf(const QWidget* w, double factor) {
    const QRect now = w->geometry();
    const QVariant designed = w->property(kDesignedProperty);
    const QRectF d = designed.toRectF();
    const QRect placed = w->property(kPlacedProperty).toRect();
    const bool known = designed.isValid();
    const auto pick = [&](int current, int placedValue, double design) {
        return known && current == placedValue ? design : current / factor;
    };
    return {pick(now.x(), placed.x(), d.x()), pick(now.y(), placed.y(), d.y()),
            pick(now.width(), placed.width(), d.width()),
            pick(now.height(), placed.height(), d.height())};
}

// Whether a control's size came from a designed placement rather than from its caption.
bool sizeDesigned(const QWidget* w) {
    const QVariant placed = w->property(kPlacedProperty);
    return w->property(kSizeDesignedProperty).toBool() && placed.toRect().size() == w->size();
}

void placeAt(QWidget* w, const QRectF& designed, double factor, bool designedSize) {
    const QRect r = scaledRect(designed, factor);
    if (r != w->geometry())
        w->setGeometry(r);
    w->setProperty(kDesignedProperty, designed);
    w->setProperty(kPlacedProperty, w->geometry());
    w->setProperty(kSizeDesignedProperty, designedSize);
}

bool insideGrid(const QWidget* w, const QWidget* canvas) {
    for (const QWidget* p = w; p != nullptr && p != canvas; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(p))
            return true;
    }
    return false;
}

// The application's font at `factor`; at 1 the control inherits again, exactly as built.
void setScaledFont(QWidget* w, double factor) {
    if (std::abs(factor - 1.0) < 1e-9)
        w->setFont(QFont());
    else
        w->setFont(scaledFont(QApplication::font(), factor));
}

// A label sized by its caption takes its caption's size in the new font; one given a size
// grows, if need be, so as never to cut its caption off.
void fitCaption(QWidget* w, bool designedSize) {
    auto* label = qobject_cast<QLabel*>(w);
    if (label == nullptr || label->wordWrap() || !kidsPictureOf(w).isEmpty())
        return;
    const QSize hint = label->sizeHint();
    if (!designedSize)
        label->resize(hint);
    else if (hint.width() > label->width())
        label->resize(hint.width(), std::max(label->height(), hint.height()));
}

// A grid's columns widen with it; the last one takes what is left anyway.
void scaleColumns(QTableView* grid, double from, double to) {
    QHeaderView* h = grid->horizontalHeader();
    const int last = h->stretchLastSection() ? h->count() - 1 : h->count();
    // Read first: a new default size resizes every column.
    std::vector<int> widths;
    widths.reserve(static_cast<size_t>(std::max(last, 0)));
    for (int i = 0; i < last; ++i)
        widths.push_back(h->sectionSize(i));
    QVariant designed = h->property("designedSectionSize");
    if (!designed.isValid()) {
        designed = h->defaultSectionSize() / from;
        h->setProperty("designedSectionSize", designed);
    }
    h->setDefaultSectionSize(scaledLength(designed.toDouble(), to));
    for (int i = 0; i < last; ++i) {
        if (!h->isSectionHidden(i))
            h->resizeSection(i, scaledLength(widths[size_t(i)] / from, to));
    }
}

} // namespace

double layoutScale(const QWidget* w) {
    if (w == nullptr)
        return 1.0;
    const QVariant f = w->window()->property(kScaleProperty);
    return f.isValid() ? f.toDouble() : 1.0;
}

void placeDesigned(QWidget* w, const DesignedPlace& place) {
    const double factor = layoutScale(w);
    QRectF d = designedPlaceOf(w, factor);
    if (place.x)
        d.moveLeft(*place.x);
    if (place.y)
        d.moveTop(*place.y);
    if (place.width)
        d.setWidth(*place.width);
    if (place.height)
        d.setHeight(*place.height);
    placeAt(w, d, factor, place.width || place.height || sizeDesigned(w));
}

QFont scaledFont(const QFont& base, double factor) {
    QFont f = base;
    if (base.pointSizeF() > 0)
        f.setPointSizeF(scaledPointSize(base.pointSizeF(), factor));
    else if (base.pixelSize() > 0)
        f.setPixelSize(std::max(1, scaledLength(base.pixelSize(), factor)));
    return f;
}

void rescaleControls(QWidget* canvas, double from, double to) {
    if (from <= 0)
        from = 1.0;
    // Everything is read at the old factor before anything changes: a new font on the
    // canvas reaches the controls at once.
    struct Place {
        QWidget* w;
        QRectF designed;
        bool designedSize;
    };
    std::vector<Place> places;
    for (QWidget* w : canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow())
            places.push_back({w, designedPlaceOf(w, from), sizeDesigned(w)});
    }
    std::vector<std::pair<QWidget*, double>> fonts;
    for (QWidget* w : canvas->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->testAttribute(Qt::WA_SetFont) || insideGrid(w, canvas) ||
            w->font().pointSizeF() <= 0)
            continue;
        fonts.emplace_back(w, w->font().pointSizeF() / from);
    }

    setScaledFont(canvas, to);
    for (auto& [w, points] : fonts) {
        QFont f = w->font();
        f.setPointSizeF(scaledPointSize(points, to));
        w->setFont(f);
    }
    for (const auto& [w, designed, designedSize] : places) {
        if (qobject_cast<QAbstractItemView*>(w)) {
            if (std::abs(to - 1.0) < 1e-9)
                w->setFont(QFont());
            else // its own font, or it would take the canvas's
                w->setFont(scaledFont(QApplication::font(), std::min(to, 1.0)));
        }
        if (auto* grid = qobject_cast<QTableView*>(w))
            scaleColumns(grid, from, to);
        placeAt(w, designed, to, designedSize);
        fitCaption(w, designedSize);
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !kidsPictureOf(b).isEmpty())
            setKidsButtonPicture(b, kidsPictureOf(b));
    }
}

} // namespace present
