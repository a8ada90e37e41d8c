// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TabOrder.h"

#include <QChildEvent>
#include <QEvent>
#include <QTimer>
#include <algorithm>

namespace present {
namespace {

bool takesTab(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) != 0;
}

void chainTabs(QWidget* area) {
    const QList<QWidget*> ordered = readingOrder(area);
    for (qsizetype i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1], ordered[i]);
}

class TabOrderKeeper : public QObject {
  public:
    explicit TabOrderKeeper(QWidget* area) : QObject(area), area_(area) {
        area->installEventFilter(this);
        for (QObject* child : area->children())
            child->installEventFilter(this);
        chainTabs(area);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (watched == area_)
                static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
            break;
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
            if (watched != area_ && !pending_) {
                pending_ = true;
                QTimer::singleShot(0, this, [this] {
                    pending_ = false;
                    chainTabs(area_);
                });
            }
            break;
        default:
            break;
        }
        return false;
    }

  private:
    QWidget* area_;
    bool pending_ = false;
};

} // namespace

QList<QWidget*> readingOrder(const QWidget* area) {
    QList<QWidget*> controls;
    for (QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(area) && takesTab(w))
            controls << w;
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return a->geometry().top() < b->geometry().top();
    });
    QList<QWidget*> ordered;
    for (qsizetype first = 0; first < controls.size();) {
        const int bottom = controls[first]->geometry().bottom();
        qsizetype end = first + 1;
        while (end < controls.size() && controls[end]->geometry().center().y() <= bottom)
            ++end;
        QList<QWidget*> line = controls.mid(first, end - first);
        std::stable_sort(line.begin(), line.end(), [](const QWidget* a, const QWidget* b) {
            return a->geometry().left() < b->geometry().left();
        });
        ordered << line;
        first = end;
    }
    return ordered;
}

void keepTabsInReadingOrder(QWidget* area) {
    new TabOrderKeeper(area);
}

} // namespace present
