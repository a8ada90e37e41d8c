// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/QuestionArea.h"

#include "present/LayoutScaler.h"
#include "present/ScaledPlacement.h"
#include "present/Twips.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace present {
namespace {

// Designed places (twips) of the learning screen with a question of up to two lines.
constexpr int kQuestionHeight = 465;
constexpr int kAnswerLabelTop = 2160;
constexpr int kReplyTop = 2640;
constexpr int kReplyLeft = 480;
constexpr int kButtonsTop = 3480;
constexpr int kButtonsTopMulti = 5300;
constexpr int kWindowHeight = 5595;
constexpr int kWindowHeightMulti = 7010;

// `extra` is in pixels at the window's factor; the designed place keeps it exactly.
void setTop(QWidget* w, int twips, int extra) {
    placeDesigned(w, {.y = twipsToDesign(twips, w) + extra / layoutScale(w)});
}

// The height the window may take on its screen, its title bar and borders left out.
int roomForWindow(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return std::numeric_limits<int>::max();
    const int decoration = window->frameGeometry().height() - window->height();
    return screen->availableGeometry().height() - std::max(0, decoration);
}

} // namespace

QScrollArea* makeQuestionArea(QLabel* label, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(label->objectName() + QStringLiteral("Area"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::NoFocus); // the text is only read; see placeLearningControls()
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its height follows its width alone; the wrapped label's own minimum would otherwise
    // bring a scroll bar to a question that fits.
    label->setMinimumSize(1, 1);
    area->setWidget(label);
    return area;
}

QWidget* frameOf(QWidget* w) {
    QWidget* viewport = w->parentWidget();
    auto* area = viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
    return area && area->widget() == w ? area : w;
}

void setQuestionShown(Form1Controls& c, bool shown) {
    c.Label7->setVisible(shown);
    frameOf(c.Label7)->setVisible(shown);
}

void placeLearningControls(Form1Controls& c, bool multi) {
    QWidget* window = c.Form1;
    QWidget* question = frameOf(c.Label7);
    const int designed = twipsToPixels(kQuestionHeight, window);
    const int windowHeight = twipsToPixels(multi ? kWindowHeightMulti : kWindowHeight, window);
    int extra = 0;
    bool scrolls = false;
    if (c.Label7->isVisibleTo(window) && !c.Label7->text().isEmpty()) {
        const int needed = c.Label7->heightForWidth(question->width());
        extra = std::max(0, needed - designed);
        // Past the screen's height the question scrolls instead.
        const int room = std::max(0, roomForWindow(window) - windowHeight);
        scrolls = extra > room;
        extra = std::min(extra, room);
    }
    // A scroll bar only when the question is cut; one left from the last question would
    // narrow the text and cut it.
    if (auto* area = qobject_cast<QScrollArea*>(question)) {
        area->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        // A Tab stop only where the keys have something to do (scroll a long question), and
        // then framed, so the focus shows.
        area->setFocusPolicy(scrolls ? Qt::StrongFocus : Qt::NoFocus);
        area->setFrameShape(scrolls ? QFrame::StyledPanel : QFrame::NoFrame);
    }
    const double scale = layoutScale(window);
    placeDesigned(question, {.height = twipsToDesign(kQuestionHeight, window) + extra / scale});
    for (QWidget* w : {static_cast<QWidget*>(c.Label4), static_cast<QWidget*>(c.Label5),
                       static_cast<QWidget*>(c.Label6)})
        setTop(w, kAnswerLabelTop, extra);
    setTop(c.Text3, kReplyTop, extra);
    placeDesigned(c.TDBGrid3, {.x = twipsToDesign(kReplyLeft, window),
                               .y = twipsToDesign(kReplyTop, window) + extra / scale});
    for (QWidget* button : {c.Command21, c.Command3})
        setTop(button, multi ? kButtonsTopMulti : kButtonsTop, extra);
    // The window grows with the question and is kept on its screen.
    const double height = twipsToDesign(multi ? kWindowHeightMulti : kWindowHeight, window);
    if (LayoutScaler* scaler = LayoutScaler::of(window))
        scaler->setDesignedHeight(height + extra / scale);
    else
        window->resize(window->width(), windowHeight + extra);
}

} // namespace present
