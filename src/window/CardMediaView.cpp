// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CardMediaView.h"

#include "data/Sql.h"
#include "learn/rules/LessonState.h"
#include "present/ApplyLayout.h"
#include "present/KidsLayouts.h"
#include "present/Twips.h"
#include "window/PictureCache.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace window {
namespace {

// Where the picture stands, right of the designed screen, and how much the window widens
// (twips). Kids mode shows it large.
constexpr int kAcademicLearningWidth = 4800;
constexpr int kAcademicPicture[] = {4440, 480, 3360, 3360};
constexpr int kAcademicRoom = 4440 + 3360 + 240 - kAcademicLearningWidth;
constexpr int kKidsPicture[] = {7200, 600, 5400, 5400};
constexpr int kKidsRoom = 7200 + 5400 + 240 - present::kKidsWindowWidth;
// The sound button, in the free area of each screen: right of the "Question" caption, and
// right of the question picture of Kids mode.
constexpr int kAcademicSoundButton[] = {3120, 1140, 1095, 375};
constexpr int kKidsSoundButton[] = {5040, 1800, 975, 975};

void placeAt(QWidget* w, const int (&at)[4]) {
    present::placeTwips(w, at[0], at[1], at[2], at[3]);
}

} // namespace

CardMediaView::CardMediaView(present::Form1State& s, QObject* parent)
    : QObject(parent), s_(s), cache_(new PictureCache(12, this)) {
    QWidget* canvas = s_.c.canvas;
    picture_ = new QLabel(canvas);
    picture_->setObjectName(QStringLiteral("PictureCard"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setWordWrap(true);
    picture_->hide();
    soundButton_ = new QPushButton(canvas);
    soundButton_->setObjectName(QStringLiteral("CommandPlaySound"));
    soundButton_->setFocusPolicy(Qt::NoFocus); // the reply keeps the focus
    soundButton_->hide();
    connect(soundButton_, &QPushButton::clicked, this, &CardMediaView::playSound);
    soundKey_ = new QAction(s_.c.Form1);
    soundKey_->setObjectName(QStringLiteral("actPlaySound"));
    soundKey_->setShortcut(QKeySequence(Qt::Key_F5));
    soundKey_->setEnabled(false);
    s_.c.Form1->addAction(soundKey_);
    connect(soundKey_, &QAction::triggered, this, &CardMediaView::playSound);
    connect(cache_, &PictureCache::ready, this, &CardMediaView::pictureReady);
    retranslate();
    s_.c.Form1->installEventFilter(this);
}

void CardMediaView::retranslate() {
    soundButton_->setToolTip(
        QCoreApplication::translate("CardMediaView", "Play the card's sound again (F5)"));
    if (!s_.modes.kids && !soundButton_->text().isEmpty())
        soundButton_->setText(QCoreApplication::translate("CardMediaView", "Play sound"));
    if (picture_->isVisible() && picture_->pixmap().isNull())
        showPicture(); // "cannot be shown", in words
}

bool CardMediaView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == s_.c.Form1 && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

CardMediaView::~CardMediaView() = default;

QSize CardMediaView::pictureBox() const {
    const int(&at)[4] = s_.modes.kids ? kKidsPicture : kAcademicPicture;
    return {present::twipsToPixels(at[2], s_.c.Form1), present::twipsToPixels(at[3], s_.c.Form1)};
}

void CardMediaView::questionPut(const QVariant& cardId, int row) {
    current_ = {};
    if (cardId.isValid()) {
        try {
            current_ = media::cardMedia(s_.rs.connection(), cardId);
        } catch (const data::DbError&) {
            // Unreadable media cost only the media: the question is put as ever.
        }
    }
    place();
    showPicture();
    const bool sound = !current_.sound.isEmpty();
    soundButton_->setVisible(sound);
    soundKey_->setEnabled(sound);
    if (!sound)
        s_.speech.stopRecording();
    // The next cards' pictures, read and decoded while this one is answered: after the
    // question is on screen, not before.
    aheadFrom_ = row;
    if (!aheadQueued_) {
        aheadQueued_ = true;
        QTimer::singleShot(0, this, &CardMediaView::decodeAhead);
    }
    if (sound && !s_.modes.Silent) {
        try {
            if (const auto stored = media::loadMedia(s_.rs.connection(), current_.sound))
                s_.speech.playRecording(stored->data, /*wait=*/true);
        } catch (const data::DbError&) {
        } catch (const speech::SpeechUnavailable&) {
            // Speaking the question finds the same and says so.
        }
    }
}

void CardMediaView::decodeAhead() {
    aheadQueued_ = false;
    if (!s_.screens.learning)
        return;
    const learn::LessonState& L = s_.lesson;
    for (int r = aheadFrom_ + 1; r <= std::min(aheadFrom_ + kAhead, L.CurRowLim); ++r) {
        try {
            const QString hash =
                media::cardMedia(s_.rs.connection(), L.CSarray.at(r, learn::ColCardId)).picture;
            if (!hash.isEmpty())
                requestPicture(hash);
        } catch (const data::DbError&) {
        }
    }
}

void CardMediaView::clear() {
    current_ = {};
    picture_->hide();
    soundButton_->hide();
    soundKey_->setEnabled(false);
    s_.speech.stopRecording();
    widen(false);
}

void CardMediaView::playSound() {
    if (current_.sound.isEmpty() || !s_.screens.learning)
        return;
    try {
        const auto stored = media::loadMedia(s_.rs.connection(), current_.sound);
        if (!stored || !s_.speech.playRecording(stored->data, /*wait=*/false))
            s_.c.StatusBar1->showMessage(
                QCoreApplication::translate("CardMediaView", "This sound cannot be played"), 3000);
    } catch (const data::DbError& e) {
        s_.dialogs.warning(e.message());
    } catch (const speech::SpeechUnavailable& e) {
        s_.dialogs.warning(
            QCoreApplication::translate("CardMediaView", "The sound cannot be played: %1")
                .arg(e.message()));
    }
}

void CardMediaView::place() {
    placeAt(picture_, s_.modes.kids ? kKidsPicture : kAcademicPicture);
    placeAt(soundButton_, s_.modes.kids ? kKidsSoundButton : kAcademicSoundButton);
    if (s_.modes.kids) {
        const int side = present::twipsToPixels(kKidsSoundButton[2], s_.c.Form1) * 3 / 4;
        soundButton_->setText(QString());
        // The Kids loudspeaker, drawn from its SVG at whatever size the screen is scaled to.
        soundButton_->setIcon(QIcon(QStringLiteral(":/kids/sound.svg")));
        soundButton_->setIconSize(QSize(side, side));
    } else {
        soundButton_->setIcon(QIcon());
        soundButton_->setText(QCoreApplication::translate("CardMediaView", "Play sound"));
    }
}

void CardMediaView::showPicture() {
    if (current_.picture.isEmpty()) {
        picture_->hide();
        picture_->clear();
        widen(false);
        return;
    }
    widen(true);
    picture_->show();
    picture_->raise();
    const QSize box = pictureBox();
    switch (cache_->state(current_.picture, box)) {
    case PictureCache::State::Ready:
        picture_->setPixmap(QPixmap::fromImage(cache_->image(current_.picture, box)));
        break;
    case PictureCache::State::CannotBeShown:
        picture_->setText(
            QCoreApplication::translate("CardMediaView", "This picture cannot be shown"));
        break;
    case PictureCache::State::Absent:
        requestPicture(current_.picture);
        [[fallthrough]];
    case PictureCache::State::Decoding:
        picture_->clear(); // the room stays; the picture comes when decoded
        break;
    }
}

void CardMediaView::requestPicture(const QString& hash) {
    const QSize box = pictureBox();
    if (cache_->state(hash, box) != PictureCache::State::Absent)
        return;
    try {
        const auto stored = media::loadMedia(s_.rs.connection(), hash);
        cache_->request(hash, box, stored ? stored->data : QByteArray());
    } catch (const data::DbError&) {
        cache_->request(hash, box, QByteArray());
    }
}

void CardMediaView::pictureReady(const QString& hash, QSize box) {
    if (hash == current_.picture && box == pictureBox() && picture_->isVisible())
        showPicture();
}

void CardMediaView::widen(bool wide) {
    // Set again for every picture: a change of mode has given the window that mode's size.
    if (!wide && !widened_)
        return;
    widened_ = wide;
    const int room = s_.modes.kids ? kKidsRoom : kAcademicRoom;
    s_.screens.pictureRoom = wide ? room : 0;
    const int base = s_.modes.kids ? present::kKidsWindowWidth : kAcademicLearningWidth;
    present::setScreenWidthTwips(s_.c, base + s_.screens.pictureRoom);
}

} // namespace window
