// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaStore.h"
#include "present/Form1State.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QVariant>

class QAction;
class QLabel;
class QPushButton;

namespace window {

class PictureCache;

// The current card's picture beside the question and its sound, on the learning screen of
// either mode. A card without either leaves the screen exactly as designed; a picture widens
// the window by the room it takes, so no designed control moves. The sound plays as the
// question is put (before it is spoken) unless in Silent mode, and again on F5 or the button.
class CardMediaView : public QObject {
    Q_OBJECT
  public:
    explicit CardMediaView(present::Form1State& s, QObject* parent = nullptr);
    ~CardMediaView() override;

    // The question of `cardId` is being put (invalid: none is); `row` is its lesson row, the
    // cards after it are decoded ahead.
    void questionPut(const QVariant& cardId, int row);
    // The learning screen is left: the window as designed again.
    void clear();
    void playSound();

    PictureCache& cache() { return *cache_; }

    static constexpr int kAhead = 3; // cards whose pictures are decoded before they are asked

  protected:
    // Follows the main window's language changes.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void retranslate();
    void showPicture();
    void place();
    QSize pictureBox() const;
    void requestPicture(const QString& hash);
    void widen(bool wide);
    void pictureReady(const QString& hash, QSize box);
    void decodeAhead();

    present::Form1State& s_;
    PictureCache* cache_;
    QLabel* picture_;
    QPushButton* soundButton_;
    QAction* soundKey_;
    media::CardMedia current_;
    bool widened_ = false;
    int aheadFrom_ = 0;
    bool aheadQueued_ = false;
};

} // namespace window
