// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/ClickableLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace present {
namespace {

// A clickable label as a screen reader sees it: while it acts as a button, a button that can
// be pressed; otherwise the text or picture it shows. Asked each time, as an interface is
// kept for the label's life and it may become a button after it was made.
class ClickableLabelAccessible : public QAccessibleWidget {
  public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        if (label()->actsAsButton())
            return QAccessible::Button;
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        const QStringList others = QAccessibleWidget::actionNames();
        return label()->actsAsButton() ? QStringList{pressAction()} + others : others;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && label()->actsAsButton() && label()->isEnabled())
            emit label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* clickableLabelFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<ClickableLabel*>(object);
    return label ? new ClickableLabelAccessible(label) : nullptr;
}

} // namespace

void ClickableLabel::setActsAsButton(bool on) {
    actsAsButton_ = on;
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (actsAsButton_ && press && !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!actsAsButton_ || !hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void installButtonLabelAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(clickableLabelFactory);
}

} // namespace present
