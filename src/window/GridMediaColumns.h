// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaStore.h"
#include "present/Form1State.h"

#include <QHash>
#include <QObject>
#include <functional>

class QAction;

namespace window {

class PictureCache;

// The card grid's picture and sound columns: a small picture and a sound mark after the
// question and answer, shown while the chosen set holds media or the learner turns them on
// (Edit > "Show picture and sound columns"). A card's picture or sound is chosen from a file,
// dropped from the file manager, pasted (a picture), removed or played from the grid's
// context menu; each change is written at once, as the grid writes a typed cell.
class GridMediaColumns : public QObject {
    Q_OBJECT
  public:
    GridMediaColumns(present::Form1State& s, QObject* parent = nullptr);

    bool columnsShown() const { return shown_; }
    // Gives the card of the grid's `row` the file at `path` as its picture or sound (told
    // from its content), or says why not. True when kept.
    bool takeFile(int row, const QString& path);
    bool pastePicture(int row);
    void remove(int row, media::Slot slot);
    void play(int row);

    // The file chooser, replaced in tests.
    std::function<QString(media::Slot)> chooseFile;

    PictureCache& cache() { return *cache_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The menu entry's caption, set again when the main window's language changes.
    void retranslate();
    void reload();
    void showColumns();
    QVariant cell(int row, int role, media::Slot slot);
    QVariant cardIdAt(int row) const;
    bool keep(int row, const QByteArray& bytes, const QString& name, media::Slot slot);
    void contextMenu(const QPoint& at);
    void readWanted();

    present::Form1State& s_;
    PictureCache* cache_;
    QAction* toggle_;
    QHash<qint64, media::CardMedia> media_;
    bool shown_ = false;
    QStringList wanted_; // pictures drawn before they were read
};

} // namespace window
